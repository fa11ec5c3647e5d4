// The modal message box, with a sink that tests install to read what it showed.
#pragma once

#include <QString>
#include <functional>

namespace fw {

// Shows text in a modal box, or hands it to the installed sink.
void MsgBox(const QString& text);

using MessageSink = std::function<void(const QString&)>;
// Installs a sink that receives every MsgBox text instead of a box; returns the
// previous sink. An empty sink restores the real box.
MessageSink SetMessageSink(MessageSink sink);

}  // namespace fw
