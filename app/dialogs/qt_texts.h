#pragma once

#include <QCoreApplication>
#include <QString>

#include "texts/ui_texts.h"

namespace pixmint::app {

// A user-visible text in the chosen language (the source text when no
// translation is loaded).
inline QString T(const char* source) {
  return QCoreApplication::translate(texts::kContext, source);
}

}  // namespace pixmint::app
