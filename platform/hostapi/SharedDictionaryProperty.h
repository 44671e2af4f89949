#pragma once
// Where a process finds its host's SharedDictionary: a property of the desktop window named
// by the decimal process id, holding the dictionary's address. The host publishes it at
// start-up and keeps the dictionary alive until it withdraws it; readers borrow the pointer
// for one lookup and never own it.
#include "platform/hostapi/SharedDictionary.h"

#include <QString>

namespace hostapi {

// The property name: this process's id in decimal.
QString sharedDictionaryPropertyName();

// Publishes the dictionary (null withdraws it).
void publishSharedDictionary(SharedDictionary* dictionary);

// The published dictionary, or null when the host published none.
SharedDictionary* publishedSharedDictionary();

} // namespace hostapi
