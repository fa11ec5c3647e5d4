#pragma once
// Headless set-up for the fuzz targets that click through the program's real
// windows: an offscreen QApplication, the application state start-up makes,
// and a message sink that records every message box text instead of showing it.
#include <QString>
#include <QStringList>

namespace fuzz::gui {

// Once per process (LLVMFuzzerInitialize).
void Initialize();

// Closes the windows and ends the QApplication; the replay runner calls it
// (as MorvessaFuzzFinish) before main returns.
void Finish();

// Message box texts since the last ClearMessages.
const QStringList& Messages();
void ClearMessages();

// Deletes what closed windows left for later, so a long run does not grow.
void Settle();

}  // namespace fuzz::gui
