// Shared by the fuzz targets that open the program's dialogs: the
// application on the offscreen platform with the recording UI service (no
// modal box is ever shown), a fixed clock for the players' ages, and the
// preview window replaced.
#pragma once

#include "support/recordingui.h"

#include <functional>

class QDialog;

namespace fuzz {

// Makes the application (offscreen unless a platform is set), installs the
// recording UI service and the fixed age clock, and points the data paths
// into the scratch folder. Called from LLVMFuzzerInitialize.
void startWidgets();

// The recording UI service, with what it recorded cleared.
RecordingUi& freshUi();

// What the replaced preview window does when a launcher opens it.
enum class PreviewMode {
    Count,       // only counts the preview
    LoadPages,   // loads every page of the report in turn, as the preview does
};
void replacePreview(PreviewMode mode);
// The previews opened since the start.
int previewsOpened();

// Runs `action`, which may open a modal dialog with exec(), and answers the
// first such dialog with `answer` once it is shown (from the dialog's own
// event loop). A dialog the answer leaves open is rejected.
void answerModal(const std::function<void()>& action, const std::function<void(QDialog*)>& answer);

}  // namespace fuzz
