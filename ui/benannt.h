// Gives a new control its component name, by which the windows' code, the
// configuration files and the tests find it.
#pragma once

#include <QObject>
#include <QString>

namespace quarnelo::ui {

template <class T>
T* Benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace quarnelo::ui
