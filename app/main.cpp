// Quorvant starts by creating its main window; the windows themselves do the rest.
#include <ui/application.hpp>
#include <ui/forms.hpp>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    ui::connectLifetime(app);
    ui::openMain();
    return QApplication::exec();
}
