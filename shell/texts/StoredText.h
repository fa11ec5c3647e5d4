// Reads one of the program's fixed texts (help, about) from the resources that
// shell/texts.qrc compiles into the program.
#pragma once

#include <QFile>
#include <QString>

#include "framework/Exceptions.h"

// The resources live in a static library, so nothing would pull their object
// file into the program unless it is referenced here.
inline void InitStoredTextResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(texts);
    return true;
  }();
  (void)registered;
}

// name: the file name in shell/texts/, e.g. "help.txt". The files are UTF-8.
inline QString ReadStoredText(const QString& name) {
  InitStoredTextResources();
  QFile file(":/texts/" + name);
  if (!file.open(QIODevice::ReadOnly))
    throw fw::RuntimeException("stored text " + name.toStdString() + " is missing from the program");
  return QString::fromUtf8(file.readAll());
}
