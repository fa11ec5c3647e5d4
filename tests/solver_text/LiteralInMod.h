#pragma once
// The typed-text normalisation written out step by step, each replacement
// repeated until it changes nothing. Slow on purpose; only the tests use it, to
// check the single-pass MatrixText::inMod against it.
#include <QString>

QString literalInMod(const QString& typed);
