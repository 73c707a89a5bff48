# The include rule of the whole tree: which folder may include which. Every
# build runs it before any library or program is compiled; an include outside
# the table stops the build with the file, the line and the rule.
#
#   cmake -DROOT=<source dir> -DQT_INCLUDE_ROOT=<Qt's include dir> -P LayerCheck.cmake
#
# QT_INCLUDE_ROOT is the folder that holds QtCore/, QtWidgets/...: a header
# found in a widgets module (QtWidgets, QtPrintSupport, Qt*Widgets) is a widget
# header, whatever its name.
cmake_minimum_required(VERSION 3.25)
cmake_policy(SET CMP0007 NEW)

if(NOT ROOT OR NOT IS_DIRECTORY "${ROOT}")
    message(FATAL_ERROR "LayerCheck: ROOT must name the source folder")
endif()
if(NOT QT_INCLUDE_ROOT OR NOT IS_DIRECTORY "${QT_INCLUDE_ROOT}/QtCore")
    message(FATAL_ERROR "LayerCheck: QT_INCLUDE_ROOT must name Qt's include folder")
endif()

# ---------------------------------------------------------------------------
# The table. layer(<zone> <sources> [<zone it may include>...]): <sources> is a
# regular expression on a file's path from the top of the tree; the first row
# that matches a file decides its zone. A zone may always include itself.
# Headers outside the tree (the standard library, Qt Core and Gui, libgsf)
# are free to all; Qt's widget modules are the zone "Qt widgets".
set(_zones "")
function(layer zone sources)
    list(LENGTH _zones id)
    set(_zones ${_zones} "${zone}" PARENT_SCOPE)
    set(_sources_${id} "${sources}" PARENT_SCOPE)
    set(_may_${id} "${ARGN}" PARENT_SCOPE)
endfunction()

# The platform layer: the core (archive, strings, database, device context)
# below the windowing layer. A file added to framework_widgets
# (framework/CMakeLists.txt) is named here too.
set(fw_widget_files DocTemplate Document FileDialog MdiChildFrame MdiFrame MessageBoxQt
                    PropertySheet QtCombo RectTrackerDrag Resources ScrollView TemplateLayout View
                    WinApp)
string(JOIN "|" _fw_widget_files ${fw_widget_files})
layer("framework widgets" "^framework/(${_fw_widget_files})\\.(h|cpp)$"
      "framework core" "Qt widgets")
layer("framework core" "^framework/")

# The tools library; its owner-drawn combos are widgets its dialogs use.
layer("tools widgets" "^tools/(ComboColor|ComboKind|ComboThick|OwnerDrawCombo)\\.(h|cpp)$"
      "tools" "framework widgets" "framework core" "Qt widgets")
layer("tools" "^tools/" "framework core")

# The three data libraries, side by side on the tools.
set(data_libs "breakerdata" "equipdata" "listdata")
layer("breakerdata" "^breakerdata/" "tools" "framework core")
layer("equipdata" "^equipdata/" "tools" "framework core")
layer("listdata" "^listdata/" "tools" "framework core")

# The string tables compiled into each program; only the programs' start
# reads them.
layer("resources" "^resources/" "framework core")

# What the shells of both programs share: above the libraries, below both
# programs (it includes neither).
set(below_programs "framework widgets" "framework core" "Qt widgets" "tools widgets" "tools"
                   ${data_libs})
layer("shellcommon" "^shellcommon/" ${below_programs})

# The main program from the bottom up (design.md); each folder may include
# what stands below it, never a folder beside it on its own level.
set(app_base "framework core" "tools" ${data_libs})
set(gui_views "^app/(.+/)?(dialogs|views?)/")
layer("app GUI (8: app/shell, dialogs/, views/)"
      "^app/[^/]+$|^app/shell/[^/]+$|^app/views?/|${gui_views}"
      "app/reports (7)" "app/shell/model (6)" "app/elements/supply (5)"
      "app/elements/conductors (5)" "app/elements/protection (5)" "app/elements/frame (4)"
      "app/calc (3)" "app/protection (2)" "app/records (1)" "shellcommon" "resources"
      ${below_programs})
layer("app/reports (7)" "^app/reports/"
      "app/shell/model (6)" "app/elements/supply (5)" "app/elements/conductors (5)"
      "app/elements/protection (5)" "app/elements/frame (4)" "app/calc (3)"
      "app/protection (2)" "app/records (1)" ${app_base})
layer("app/shell/model (6)" "^app/shell/model/"
      "app/elements/supply (5)" "app/elements/conductors (5)" "app/elements/protection (5)"
      "app/elements/frame (4)" "app/calc (3)" "app/protection (2)" "app/records (1)"
      ${app_base})
set(below_elements "app/elements/frame (4)" "app/calc (3)" "app/protection (2)"
                   "app/records (1)" ${app_base})
layer("app/elements/supply (5)" "^app/elements/supply/" ${below_elements})
layer("app/elements/conductors (5)" "^app/elements/conductors/" ${below_elements})
layer("app/elements/protection (5)" "^app/elements/protection/" ${below_elements})
layer("app/elements/frame (4)" "^app/elements/frame/"
      "app/calc (3)" "app/protection (2)" "app/records (1)" ${app_base})
layer("app/calc (3)" "^app/calc/" "app/protection (2)" "app/records (1)" ${app_base})
layer("app/protection (2)" "^app/protection/" "app/records (1)" ${app_base})
layer("app/records (1)" "^app/records/" ${app_base})

# The catalogue program: its model below its GUI.
layer("catalogue/model" "^catalogue/model/" "framework core" "tools" ${data_libs})
layer("catalogue GUI" "^catalogue/" "catalogue/model" "shellcommon" "resources"
      ${below_programs})

# The folders the rule covers. Not checked: tests/ (a test reaches whatever
# layer it tests), and the build's own generators in data/ and examples/.
set(checked_dirs framework tools breakerdata equipdata listdata resources shellcommon app
                 catalogue)
# ---------------------------------------------------------------------------

list(LENGTH _zones _zone_count)
math(EXPR _last_zone "${_zone_count} - 1")

function(zone_of path out)
    foreach(id RANGE ${_last_zone})
        if(path MATCHES "${_sources_${id}}")
            list(GET _zones ${id} zone)
            set(${out} "${zone}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# True in <out> when a source of <zone> may include a header of <target>.
function(may_include zone target out)
    list(FIND _zones "${zone}" id)
    if(NOT target OR target STREQUAL zone OR target IN_LIST _may_${id})
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

file(GLOB _qt_widget_modules LIST_DIRECTORIES true "${QT_INCLUDE_ROOT}/Qt*Widgets"
     "${QT_INCLUDE_ROOT}/QtPrintSupport")
set(_project_tops "")
foreach(dir ${checked_dirs})
    list(APPEND _project_tops "${dir}")
endforeach()
string(JOIN "|" _project_top_regex ${_project_tops})

# Works out the zone of the header an include line names ("" when it lies
# outside the tree and is no widget header).
function(included_zone file_dir line out)
    set(${out} "" PARENT_SCOPE)
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
        return()
    endif()
    set(kind "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    set(rel "")
    if(kind STREQUAL "\"" AND EXISTS "${ROOT}/${file_dir}/${header}")
        cmake_path(SET rel NORMALIZE "${file_dir}/${header}")
    elseif(header MATCHES "^(${_project_top_regex})/")
        set(rel "${header}")
    else()
        foreach(module ${_qt_widget_modules})
            get_filename_component(module_name "${module}" NAME)
            if(header MATCHES "^${module_name}(/|$)" OR EXISTS "${module}/${header}")
                set(${out} "Qt widgets" PARENT_SCOPE)
                return()
            endif()
        endforeach()
        return()
    endif()
    zone_of("${rel}" zone)
    if(NOT zone)
        set(zone "outside the layer table (${rel})")
    endif()
    set(${out} "${zone}" PARENT_SCOPE)
endfunction()

set(failures "")
foreach(dir ${checked_dirs})
    if(NOT IS_DIRECTORY "${ROOT}/${dir}")
        continue()
    endif()
    file(GLOB_RECURSE files "${ROOT}/${dir}/*.h" "${ROOT}/${dir}/*.hpp" "${ROOT}/${dir}/*.cpp"
                            "${ROOT}/${dir}/*.c")
    foreach(f ${files})
        file(RELATIVE_PATH rel "${ROOT}" "${f}")
        zone_of("${rel}" zone)
        if(NOT zone)
            string(APPEND failures "  ${rel}: the folder is in no layer of "
                   "cmake/LayerCheck.cmake: add it to the table\n")
            continue()
        endif()
        get_filename_component(file_dir "${rel}" DIRECTORY)
        # Only the include lines first; line numbers are counted for the
        # rare file that breaks the rule.
        file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include")
        set(broken FALSE)
        foreach(line IN LISTS includes)
            included_zone("${file_dir}" "${line}" target)
            may_include("${zone}" "${target}" ok)
            if(NOT ok)
                set(broken TRUE)
                break()
            endif()
        endforeach()
        if(NOT broken)
            continue()
        endif()
        file(STRINGS "${f}" lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(NOT line MATCHES "^[ \t]*#[ \t]*include")
                continue()
            endif()
            included_zone("${file_dir}" "${line}" target)
            may_include("${zone}" "${target}" ok)
            if(NOT ok)
                list(FIND _zones "${zone}" id)
                string(JOIN ", " allowed ${_may_${id}})
                if(NOT allowed)
                    set(allowed "nothing of the tree")
                endif()
                string(STRIP "${line}" line)
                string(APPEND failures "  ${rel}:${number}: ${line}\n"
                       "    the header is in ${target}; ${zone} may include only its own layer and: "
                       "${allowed}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes outside the layer table (cmake/LayerCheck.cmake):\n"
                        "${failures}")
endif()
