# Fails when a source of the main program's model, or of a data library,
# includes a widget header or a header of the windowing layer above it.
# Run by the build: cmake -DROOT=<source dir> -P LayerCheck.cmake
set(model_dirs app/records app/calc app/protection app/elements/frame app/elements/supply
               app/elements/conductors app/elements/protection app/shell/model app/reports
               catalogue/model
               tools breakerdata equipdata listdata)
# Qt's widget and printing modules, and our own windowing headers.
set(forbidden
    "#[ \t]*include[ \t]*[<\"](QtWidgets/|QtPrintSupport/)?Q(Widget|Dialog|MainWindow|MessageBox|ComboBox|Mdi[A-Za-z]*|Application|Menu|MenuBar|Action|ToolBar|StatusBar|ScrollArea|AbstractScrollArea|FileDialog|Printer|PrintDialog|PrintPreviewDialog|PageSetupDialog|LineEdit|PushButton|CheckBox|RadioButton|Label|TabWidget|SpinBox|ListWidget|TableWidget|GroupBox|ButtonGroup|Layout|BoxLayout|GridLayout|DialogButtonBox|AbstractButton|Frame|Splitter|TreeWidget|PlainTextEdit|TextEdit)[>\"]"
    "#[ \t]*include[ \t]*[<\"](QtWidgets|QtPrintSupport)[/>\"]"
    "#[ \t]*include[ \t]*\"framework/(Document|DocTemplate|FileDialog|MdiChildFrame|MdiFrame|QtCombo|Resources|View|WinApp)\\.h\""
    "#[ \t]*include[ \t]*\"tools/(ComboColor|ComboKind|ComboThick|OwnerDrawCombo)\\.h\""
    "#[ \t]*include[ \t]*\"app/shell/[A-Za-z0-9_]+\\.h\""
    "#[ \t]*include[ \t]*\"[A-Za-z0-9_/]*dialogs/[A-Za-z0-9_]+\\.h\"")
# The data libraries' own widgets (owner-drawn combos) are allowed there.
set(exempt "tools/(ComboColor|ComboKind|ComboThick|OwnerDrawCombo)\\.(h|cpp)$")

set(failures "")
foreach(dir ${model_dirs})
    file(GLOB_RECURSE files ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
    foreach(f ${files})
        file(RELATIVE_PATH rel ${ROOT} ${f})
        if(rel MATCHES "/dialogs/" OR rel MATCHES "${exempt}")
            continue()
        endif()
        file(STRINGS ${f} lines REGEX "#[ \t]*include")
        foreach(line ${lines})
            foreach(pattern ${forbidden})
                if(line MATCHES "${pattern}")
                    string(APPEND failures "  ${rel}: ${line}\n")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "Model sources include the windowing layer:\n${failures}")
endif()
