# Build rules that render an SVG of the tree into PNGs with the tree's renderer
# (packaging/render_icon.cpp): for the desktop's icon theme, for builds whose Qt cannot draw SVG
# itself, and for the Windows icon file.

# The icon's sizes in pixels besides its own 32, which is drawn by hand (resources/icon32.png):
# what the Windows icon file holds, what a build without Qt Svg carries, and, from 48 up, what
# the Linux icon theme gets.
set(QUORVANT_ICON_SIZES 16 20 24 40 48 64 128 256)

# quorvant_render(<out-var> TOOL <renderer> SVG <file> DIRECTORY <dir> SIZES <size>...)
# Renders SVG at each SIZE into DIRECTORY/<size>.png: a SIZE of N is N×N pixels, @SCALE is
# SCALE times the picture's own size (DIRECTORY/SCALE.png). The PNGs go into <out-var>.
function(quorvant_render out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TOOL;SVG;DIRECTORY" "SIZES")
    set(pngs)
    foreach(size IN LISTS arg_SIZES)
        string(REPLACE "@" "" name ${size})
        set(png ${arg_DIRECTORY}/${name}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${arg_DIRECTORY}
            COMMAND ${arg_TOOL} ${arg_SVG} ${size} ${png}
            DEPENDS ${arg_SVG} ${arg_TOOL}
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()

# quorvant_windows_icon(<out-var> TOOL <renderer> EXACT <png32> DIRECTORY <dir> PNGS <png>...)
# The .ico for Explorer, the task bar and Alt+Tab: the icon's renderings PNGS, one per size of
# QUORVANT_ICON_SIZES in that order, with the hand-drawn EXACT picture for 32 pixels. The file's
# path goes into <out-var>.
function(quorvant_windows_icon out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TOOL;EXACT;DIRECTORY" "PNGS")
    # Smallest first, the hand-drawn one in its place.
    set(images)
    foreach(size png IN ZIP_LISTS QUORVANT_ICON_SIZES arg_PNGS)
        if(size GREATER 32 AND NOT arg_EXACT IN_LIST images)
            list(APPEND images ${arg_EXACT})
        endif()
        list(APPEND images ${png})
    endforeach()
    set(ico ${arg_DIRECTORY}/quorvant.ico)
    add_custom_command(
        OUTPUT ${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${arg_DIRECTORY}
        COMMAND ${arg_TOOL} --ico ${ico} ${images}
        DEPENDS ${images}
        VERBATIM)
    set(${out_var} ${ico} PARENT_SCOPE)
endfunction()
