# Build rules that render an SVG of the tree into PNGs with the tree's renderer
# (packaging/render_icon.cpp), for builds whose Qt cannot draw SVG itself, and for the Windows
# icon file.

# quorvant_render(<out-var> TOOL <renderer> SVG <file> DIRECTORY <dir> SCALES <scale>...)
# Renders SVG at each SCALE times its own size into DIRECTORY/SCALE.png; the PNGs go into
# <out-var>.
function(quorvant_render out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TOOL;SVG;DIRECTORY" "SCALES")
    set(pngs)
    foreach(scale IN LISTS arg_SCALES)
        set(png ${arg_DIRECTORY}/${scale}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${arg_DIRECTORY}
            COMMAND ${arg_TOOL} ${arg_SVG} @${scale} ${png}
            DEPENDS ${arg_SVG}
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()

# quorvant_windows_icon(<out-var> TOOL <renderer> SVG <file> EXACT <png32> DIRECTORY <dir>)
# The .ico for Explorer, the task bar and Alt+Tab: the SVG rendered at 16, 20, 24, 40, 48, 64,
# 128 and 256 pixels, with the hand-drawn EXACT picture for 32. The file's path goes into
# <out-var>.
function(quorvant_windows_icon out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TOOL;SVG;EXACT;DIRECTORY" "")
    quorvant_render(small TOOL ${arg_TOOL} SVG ${arg_SVG} DIRECTORY ${arg_DIRECTORY}
                    SCALES 0.5 0.625 0.75)
    quorvant_render(large TOOL ${arg_TOOL} SVG ${arg_SVG} DIRECTORY ${arg_DIRECTORY}
                    SCALES 1.25 1.5 2 4 8)
    set(ico ${arg_DIRECTORY}/quorvant.ico)
    add_custom_command(
        OUTPUT ${ico}
        COMMAND ${arg_TOOL} --ico ${ico} ${small} ${arg_EXACT} ${large}
        DEPENDS ${small} ${arg_EXACT} ${large}
        VERBATIM)
    set(${out_var} ${ico} PARENT_SCOPE)
endfunction()
