# Most of a source file's compile time goes into Qt's headers. Each kind of
# target (Qt Core, Gui or Widgets; tests with or without widgets) parses them
# once into a precompiled header, which every target of that kind reuses.
#
# Off by default when a compiler launcher is set: ccache caches nothing built
# against a precompiled header unless told to be sloppy about it.
if(CMAKE_CXX_COMPILER_LAUNCHER)
    set(qtPrecompiledDefault OFF)
else()
    set(qtPrecompiledDefault ON)
endif()
option(ZARVEK_PRECOMPILE_QT "Parse the Qt headers once per kind of target" ${qtPrecompiledDefault})

set(zarvekHeadersCore <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QSettings>
    <QString> <QStringList> <algorithm> <array> <cstdint> <functional> <map> <memory>
    <optional> <utility> <vector>)
set(zarvekHeadersGui ${zarvekHeadersCore} <QColor> <QGuiApplication> <QIcon> <QImage>
    <QPainter> <QPainterPath> <QPoint> <QRect>)
set(zarvekHeadersWidgets ${zarvekHeadersGui} <QApplication> <QCheckBox> <QDialog> <QFrame>
    <QKeyEvent> <QLabel> <QLineEdit> <QMenu> <QMessageBox> <QMouseEvent> <QPushButton>
    <QScreen> <QTabBar> <QTimer> <QWidget>)
set(zarvekHeadersTestsGui ${zarvekHeadersGui} <gtest/gtest.h>)
set(zarvekHeadersTestsWidgets ${zarvekHeadersWidgets} <gtest/gtest.h>)

# The target that builds the precompiled header of a kind: an empty library
# with the kind's links, so its compile definitions are those of its users.
function(zarvek_precompiled_owner kind)
    set(owner zarvek_qt_headers_${kind})
    if(TARGET ${owner} OR NOT ZARVEK_PRECOMPILE_QT)
        return()
    endif()
    set(empty ${PROJECT_BINARY_DIR}/qt_headers_${kind}.cpp)
    file(CONFIGURE OUTPUT ${empty} CONTENT "")
    add_library(${owner} OBJECT ${empty})
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${owner} PRIVATE ${ARGN})
    target_precompile_headers(${owner} PRIVATE ${zarvekHeaders${kind}})
endfunction()

# zarvek_use_qt_headers(TARGET Core|Gui|Widgets|TestsGui|TestsWidgets)
function(zarvek_use_qt_headers target kind)
    if(ZARVEK_PRECOMPILE_QT)
        target_precompile_headers(${target} REUSE_FROM zarvek_qt_headers_${kind})
    endif()
endfunction()

zarvek_precompiled_owner(Core Qt6::Core)
zarvek_precompiled_owner(Gui Qt6::Gui)
zarvek_precompiled_owner(Widgets Qt6::Widgets)
