#include "Fensterhilfen.h"

#include <QTemporaryDir>

namespace kalumbo::test {

TArbeitsverzeichnis::TArbeitsverzeichnis() : Vorher(QDir::currentPath())
{
    QTemporaryDir Neu;
    Neu.setAutoRemove(false);
    Ort = Neu.path();
    QDir::setCurrent(Ort);
}

TArbeitsverzeichnis::~TArbeitsverzeichnis()
{
    QDir::setCurrent(Vorher);
    QDir(Ort).removeRecursively();
}

QString TArbeitsverzeichnis::Pfad(const QString& Name) const
{
    return QDir(Ort).filePath(Name);
}

} // namespace kalumbo::test
