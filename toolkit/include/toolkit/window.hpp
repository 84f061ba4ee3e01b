// The base of every window of the program: fixed client size in twips, title-bar style, placement,
// enabling, and close requests that carry a reason.
#pragma once

#include <QPointer>
#include <QWidget>

#include <optional>

class QAction;

namespace toolkit {

class Desktop;

// Why a window is asked to close.
enum class CloseReason {
    FromUser,        // close box, system menu, window manager's close (Alt+F4)
    FromCode,        // the program closes the window itself
    FromTaskManager, // a termination request from outside the program (SIGTERM)
};

enum class Style {
    // Caption, system menu and close button, in the task bar; announced as a window.
    Main,
    // The same, announced as a dialog (the About window).
    Dialog,
    // Caption only, no buttons, no system menu, out of the task bar, no owner: an ordinary
    // window that goes behind another when that one is clicked.
    Plain,
    // Caption only, out of the task bar, kept above its owner and never lost: if the window
    // manager minimises it, it comes back at once. Announced as a dialog.
    Owned,
};

class Window : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(Window)

public:
    // `clientTwips` is the client area below the menu bar, if the window has one. The window
    // counts as open on `desktop` from here until it is destroyed.
    Window(Desktop& desktop, const QString& caption, QSize clientTwips, Style style);

    // Runs the window's start-up handler. Called once, right after construction, by
    // SingleInstance::open.
    virtual void startUp() = 0;

    Style windowStyle() const { return style_; }

    // The area the controls are placed in (below the menu bar).
    QWidget* client() const { return client_; }
    // A menu bar item without sub-items. The menu bar is made with the first item, and the
    // window grows by its height above the client area.
    QAction* addMenuItem(const QString& caption);

    // The window an Owned window stays above; set before it is first shown.
    void setOwner(QWidget* owner) { owner_ = owner; }

    // Places the client area's top-left corner at a screen position in twips.
    void placeClientAt(int leftTwips, int topTwips);
    void centreOnScreen();

    // Shows the window beside the others and makes it the active one. Disabled (setEnabled), it
    // stays on screen, takes no input and refuses the user's close request.
    void showNonModal();

    // Closes the window as the program or the system asks it to; the window is destroyed.
    void closeWithReason(CloseReason reason);

    // True once a close has gone through: the window is gone for the program, even while Qt
    // still holds the object until its deferred deletion.
    bool isClosed() const { return closed_; }

protected:
    // Form_QueryUnload: told why the window is closing. The program never refuses a close.
    virtual void queryUnload(CloseReason reason) { Q_UNUSED(reason) }

    void closeEvent(QCloseEvent* event) override;

private:
    Desktop& desktop_;
    Style style_;
    QWidget* client_ = nullptr;
    QPointer<QWidget> owner_;
    std::optional<CloseReason> pendingReason_; // none: the close comes from the user
    bool closed_ = false;
    bool shownOnce_ = false;
};

} // namespace toolkit
