# Makes the script lists of the main window's design available to code that cannot load
# resources (the native unit tests): reads the IDS_MEMO<n>_LINE<i> strings of the resource
# script and writes them as C++ string literals, one array per list, in line order.
#
#   generate_design_lines(<resource script> <output file>)
#
# The output defines `kDesignMemo1Lines` and `kDesignMemo2Lines` (const char* arrays). Compiled
# with -fexec-charset=CP936 they hold the same bytes the program gets when it converts the
# resource strings to the ANSI code page 936.
function(generate_design_lines rc_file out_file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_file})
    file(READ ${rc_file} text)
    # CMake lists split at ";" and "[": keep both out of the way while splitting into lines.
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "[" "<bracket>" text "${text}")
    string(REPLACE "\n" ";" rc_lines "${text}")

    set(memo1 "")
    set(memo2 "")
    set(expected1 0)
    set(expected2 0)
    foreach(rc_line IN LISTS rc_lines)
        if(NOT rc_line MATCHES "^[ \t]*IDS_MEMO([12])_LINE([0-9]+)[ \t]*,[ \t]*\"(.*)\"[ \t\r]*$")
            continue()
        endif()
        set(memo ${CMAKE_MATCH_1})
        set(index ${CMAKE_MATCH_2})
        set(value "${CMAKE_MATCH_3}")
        if(NOT index EQUAL expected${memo})
            message(FATAL_ERROR "${rc_file}: IDS_MEMO${memo}_LINE${index} out of order")
        endif()
        math(EXPR expected${memo} "${index} + 1")
        # Resource-script escapes ("" and \\) to C++ escapes (\" and \\).
        string(REPLACE "\\\\" "\\" value "${value}")
        string(REPLACE "\"\"" "\"" value "${value}")
        string(REPLACE "\\" "\\\\" value "${value}")
        string(REPLACE "\"" "\\\"" value "${value}")
        string(REPLACE "<semicolon>" ";" value "${value}")
        string(REPLACE "<bracket>" "[" value "${value}")
        string(APPEND memo${memo} "    \"${value}\",\n")
    endforeach()

    file(WRITE ${out_file}.tmp
        "// Generated from ${rc_file}; do not edit.\n"
        "inline const char* const kDesignMemo1Lines[] = {\n${memo1}};\n"
        "inline const char* const kDesignMemo2Lines[] = {\n${memo2}};\n")
    configure_file(${out_file}.tmp ${out_file} COPYONLY)
endfunction()
