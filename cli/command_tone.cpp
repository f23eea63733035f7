#include "cli/commands.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "core/tone/alert_tone_recording.h"
#include "core/tone/tone_oscillator.h"
#include "core/tone/wav_file.h"

namespace rpx::cli {

// The alert tone sequence as PLAY sounds it, into a WAV file, so it can be heard without a sound
// card on this machine.
int RunTone(const CliContext& context) {
    const std::string* output = context.line.Value("o");
    if (output == nullptr)
        return context.UsageError("-o FILE names the WAV file to write");
    if (!context.Open(context.line.args[0]))
        return kExitFailed;
    const std::vector<int16_t> samples = RecordAlertTones(AlertTonesOf(context.session.image));
    const Status saved = WriteFileSafely(*output, WavFileBytes(samples, ToneOscillator::kSampleRate));
    if (!saved) {
        context.notifier.ShowFilled(txt::kSaveFailed, *output, saved.Message(), txt::kCaptionError,
                                    MessageButtons::Ok, MessageIcon::Stop);
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace rpx::cli
