# Precompiled headers for the Qt-heavy targets. Almost every source of the
# library, the editor and their tests parses the same Qt Widgets headers; a
# precompiled copy per target cuts a cold build by about half on two cores.
# GLYPHSMITH_PCH=OFF builds without them (every source includes what it uses,
# so both ways compile).
option(GLYPHSMITH_PCH "Precompile the common Qt headers of the Qt-heavy targets" ON)

# The headers of Qt Core alone, for targets that link nothing else of Qt.
function(glyphsmith_core_pch target)
    if(NOT GLYPHSMITH_PCH OR NOT TARGET ${target})
        return()
    endif()
    target_precompile_headers(${target} PRIVATE
        <algorithm> <functional> <memory> <optional> <vector>
        <QByteArray> <QObject> <QString> <QStringList> <QVariant>
        ${ARGN})
endfunction()

function(glyphsmith_qt_pch target)
    if(NOT GLYPHSMITH_PCH OR NOT TARGET ${target})
        return()
    endif()
    target_precompile_headers(${target} PRIVATE
        <algorithm> <functional> <memory> <optional> <vector>
        <QByteArray> <QImage> <QObject> <QString> <QStringList> <QVariant>
        ${ARGN})
endfunction()

# The same plus the widgets, for targets that link Qt Widgets.
function(glyphsmith_widgets_pch target)
    glyphsmith_qt_pch(${target} <QDialog> <QLabel> <QLineEdit> <QPainter> <QPushButton> <QWidget>
        ${ARGN})
endfunction()
