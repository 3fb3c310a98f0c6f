#include "link/sequences.h"

#include "image/configuration.h"
#include "link/frame.h"

namespace zel {

const char* const kInvalidConfigurationText =
    "Контроллер не содержит достоверную конфигурацию.\nНастройте параметры как необходимо и запрограммируйте конфигурацию.";

namespace {

class Steps {
public:
    explicit Steps(SequenceHooks& hooks) : h_(hooks) {}

    int run(LinkOperation op, int area, std::uint8_t* buffer, int size, bool hidden = false)
    {
        LinkCallbacks cb;
        cb.texts = h_.texts;
        const LinkReporter target = hidden ? h_.hiddenReport : h_.report;
        cb.report = [this, target](const QString& text, ReportColour colour) {
            lastText_ = text;
            if (target)
                target(text, colour);
        };
        if (area != 0)
            cb.progress = h_.progress;
        const LinkRequest rq{int(op), area, buffer, size, 0};
        return h_.runner ? h_.runner(*h_.port, rq, cb) : RunLinkOperation(*h_.port, rq, cb);
    }

    void report(const QString& text, ReportColour colour)
    {
        if (h_.report)
            h_.report(text, colour);
    }

    void show(const IdentityTexts& t)
    {
        if (h_.showIdentity)
            h_.showIdentity(t);
    }

    // Identify, show the identity, check model and version. False ends the workflow.
    bool opening(SequenceResult& result)
    {
        IdentityBlock block{};
        if (run(LinkOperation::Identify, 0, block.data(), kIdentitySize) != 0) {
            result.identity = EmptyIdentityTexts();
            show(result.identity);
            result.outcome = SequenceOutcome::NotIdentified;
            return false;
        }
        result.identity = IdentityLabelTexts(block.data());
        show(result.identity);
        // The identification left the label blue; these texts keep that colour.
        if (!IsSupportedModel(result.identity.deviceName)) {
            report(UnsupportedModelMessage(result.identity.deviceName), ReportColour::Blue);
            result.outcome = SequenceOutcome::UnsupportedModel;
            return false;
        }
        if (!IsSupportedVersion(result.identity.version)) {
            report(UnsupportedVersionMessage(result.identity.version), ReportColour::Blue);
            result.outcome = SequenceOutcome::UnsupportedVersion;
            return false;
        }
        return true;
    }

    bool password(const DeviceImage& image, const SequenceOptions& options, SequenceResult& result)
    {
        auto payload = options.password ? PasswordPayload(*options.password) : PasswordPayload(image);
        if (run(LinkOperation::SendPassword, 0, payload.data(), int(payload.size())) != 0) {
            // A refusal, or a broken exchange on the way to one.
            const bool refused = lastText_ == linkText(h_.texts, TextPasswordRequired);
            result.outcome = refused ? SequenceOutcome::PasswordRefused : SequenceOutcome::LinkFailed;
            return false;
        }
        return true;
    }

    bool hardware(const DeviceImage& image, SequenceResult& result)
    {
        result.hardware = CheckHardwareCapabilities(result.identity.hardware, image);
        if (!result.hardware.ok)
            result.outcome = SequenceOutcome::HardwareRefused;
        return result.hardware.ok;
    }

    int programArea(DeviceImage& image, int area, int offset, int size)
    {
        return run(LinkOperation::ProgramArea, area, image.data() + offset, size);
    }

    // The text the last step ended with.
    const QString& lastText() const { return lastText_; }
    const QStringList& texts() const { return h_.texts; }

private:
    SequenceHooks& h_;
    QString lastText_;
};

// A password given on the command line also becomes the configuration's own, so the
// controller keeps it after the write.
void adoptPassword(DeviceImage& image, const SequenceOptions& options)
{
    if (options.password)
        image.setText(20, 9, fromCp1251(options.password->left(8)));
}

} // namespace

SequenceResult IdentifySequence(SequenceHooks& hooks)
{
    SequenceResult result;
    Steps steps(hooks);
    if (steps.opening(result))
        result.outcome = SequenceOutcome::Completed;
    return result;
}

SequenceResult ReadSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options)
{
    SequenceResult result;
    Steps steps(hooks);
    if (!steps.opening(result) || !steps.password(image, options, result))
        return result;
    if (steps.run(LinkOperation::ReadArea, 1, image.data() + kConfigurationOffset, kConfigurationSize) != 0) {
        // The image is as it was; judging it now could only replace good data.
        result.outcome = SequenceOutcome::LinkFailed;
        return result;
    }
    if (!IsConfigurationValid(image)) {
        ResetConfigurationArea(image);
        steps.report(QString::fromUtf8(kInvalidConfigurationText), ReportColour::Red);
        result.outcome = SequenceOutcome::InvalidConfiguration;
        return result;
    }
    result.outcome = SequenceOutcome::Completed;
    return result;
}

SequenceResult ProgramSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options)
{
    SequenceResult result;
    Steps steps(hooks);
    if (!steps.opening(result) || !steps.hardware(image, result) || !steps.password(image, options, result))
        return result;
    adoptPassword(image, options);
    if (steps.programArea(image, 1, kConfigurationOffset, kConfigurationSize) != 0) {
        result.outcome = SequenceOutcome::LinkFailed;
        return result;
    }
    if (options.clearModeMemory) {
        ResetModeMemory(image);
        if (steps.programArea(image, 4, kModeMemoryOffset, kModeMemorySize) != 0) {
            result.outcome = SequenceOutcome::LinkFailed;
            return result;
        }
    }
    std::uint8_t zero = 0;
    steps.run(LinkOperation::Restart, 0, &zero, 1); // the controller restarts; its reply is not judged
    result.restartSent = true;
    steps.show(EmptyIdentityTexts());
    result.outcome = SequenceOutcome::Completed;
    return result;
}

SequenceResult ReconfigureSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options)
{
    SequenceResult result;
    Steps steps(hooks);
    if (!steps.opening(result) || !steps.hardware(image, result) || !steps.password(image, options, result))
        return result;
    adoptPassword(image, options);
    const bool written = steps.programArea(image, 1, kConfigurationOffset, kConfigurationSize) == 0;
    if (written && options.clearModeMemory) {
        ResetModeMemory(image);
        steps.programArea(image, 4, kModeMemoryOffset, kModeMemorySize);
    }
    std::uint8_t zero = 0;
    const bool applied = steps.run(LinkOperation::ApplyConfiguration, 0, &zero, 1, true) == 0;
    result.outcome = written && applied ? SequenceOutcome::Completed : SequenceOutcome::LinkFailed;
    return result;
}

SequenceResult CompareSequence(SequenceHooks& hooks, DeviceImage& image, const SequenceOptions& options)
{
    SequenceResult result;
    Steps steps(hooks);
    // The controller refuses reads until it has the password, so it is presented first.
    if (!steps.opening(result) || !steps.password(image, options, result))
        return result;
    if (steps.run(LinkOperation::CompareArea, 1, image.data() + kConfigurationOffset, kConfigurationSize) == 0) {
        result.outcome = SequenceOutcome::Completed;
        return result;
    }
    // A failed compare is either a difference or a broken transfer; the worker's last
    // text tells which.
    const bool different = steps.lastText() == linkText(steps.texts(), TextDifferent)
        && steps.lastText() != linkText(steps.texts(), TextTransferError1);
    result.outcome = different ? SequenceOutcome::Different : SequenceOutcome::LinkFailed;
    return result;
}

} // namespace zel
