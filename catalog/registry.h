// The 33 built-in categories: keys, display names, builders.
#pragma once

#include <QString>
#include <QStringList>

#include "catalog/builders/rows.h"

namespace quarnelo::catalog {

struct Kategorie {
    const char* key;
    const char* nameDe;  // UTF-8
    const char* nameEn;  // UTF-8
    const BuilderTable* builder;
};

constexpr int kKategorienAnzahl = 33;

/// The categories in box order.
const Kategorie* Kategorien();

/// The key whose German or English display name equals `name` exactly; empty otherwise.
QString KategorieSchluessel(const QString& name);

/// The category of a key (exact, case-sensitive), or nullptr.
const Kategorie* KategorieNachSchluessel(const QString& key);

/// The 33 display names of one language in box order.
QStringList KategorieNamen(bool deutsch);

/// True when `key` is one of the 33 keys.
bool IstEingebaut(const QString& key);

}  // namespace quarnelo::catalog
