#pragma once
// The device workflows without any widget: Read, Program, Reconfigure and Compare.
// Each runs the shared opening (identify, model and version checks), then its steps,
// one link operation at a time, and tells the caller what happened. The window wraps
// them with its monitor, actions and labels; zelctl calls them directly.

#include "image/device_image.h"
#include "link/identity.h"
#include "link/link_operation.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace zel {

extern const char* const kInvalidConfigurationText;

using StepRunner = std::function<int(BytePort&, const LinkRequest&, const LinkCallbacks&)>;

struct SequenceHooks {
    BytePort* port = nullptr;
    QStringList texts = DefaultLinkStatusTexts();
    LinkReporter report;       // the action label
    LinkReporter hiddenReport; // texts the action label must not show (apply command)
    LinkProgress progress;     // the transfer progress bar
    std::function<void(const IdentityTexts&)> showIdentity;
    // Runs one step; RunLinkOperation on the calling thread when empty. The window
    // passes one that runs a TReadData and keeps repainting while it waits.
    StepRunner runner;
};

struct SequenceOptions {
    // Administrative password to present instead of the one at image offset 20.
    std::optional<QByteArray> password;
    bool clearModeMemory = false; // also reset and write the mode memory
};

enum class SequenceOutcome {
    Completed,
    NotIdentified,
    UnsupportedModel,
    UnsupportedVersion,
    HardwareRefused,
    PasswordRefused,
    LinkFailed,           // a transfer step failed (its text was reported)
    InvalidConfiguration, // Read: the controller's configuration failed the validity check
    Different,            // Compare: the controller holds other data
};

struct SequenceResult {
    SequenceOutcome outcome = SequenceOutcome::NotIdentified;
    IdentityTexts identity;  // as shown after the opening
    HardwareCheck hardware;  // the refusal, when outcome is HardwareRefused
    bool restartSent = false;
    bool ok() const { return outcome == SequenceOutcome::Completed; }
};

SequenceResult ReadSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options = {});
SequenceResult ProgramSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options = {});
SequenceResult ReconfigureSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options = {});
SequenceResult CompareSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options = {});
// Identification and the two support checks only.
SequenceResult IdentifySequence(SequenceHooks& hooks);

} // namespace zel
