#pragma once

#include <QFont>
#include <QStringList>

namespace tavenor {

// Name, version, icon, Qt's own texts in Chinese and the default font of the whole application;
// needs the QApplication.
void SetUpApplication();

// The faces for the window's Chinese texts, Simplified Chinese ones first so that no Japanese face
// is picked; those a system lacks are skipped.
QStringList ChineseFaces();

// The application's font in the first of faces that the system has (else its default face): 9 pt,
// or the largest size below in half points at which the window's texts show whole.
QFont ApplicationFont(const QStringList& faces);

} // namespace tavenor
