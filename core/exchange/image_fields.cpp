#include "core/exchange/image_fields.h"

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/exchange/channel_fields.h"
#include "core/features/feature_rules.h"
#include "core/radio/image_layout.h"

namespace rpx {

namespace {

// Opening a dialog only to look at it must ask nobody anything: questions are declined.
class Unattended : public Messenger {
public:
    MessageAnswer Show(const Message& message) override {
        return message.buttons == MessageButtons::Ok      ? MessageAnswer::Ok
               : message.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                          : MessageAnswer::Cancel;
    }
};

} // namespace

std::vector<ImageField> ImageFields(const RadioImage& image, bool extendedMode, const LanguageTable& texts) {
    Session session;
    session.image = image;
    session.extendedMode = extendedMode;
    session.trunkingMode = image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    Unattended messenger;
    Notifier notifier(messenger, texts);
    std::vector<ImageField> fields;
    for (const std::string& name : FeatureRulesNames()) {
        const auto rules = OpenFeatureRules(name, session, notifier);
        for (const SettingField& field : rules->Fields())
            fields.push_back({name + '.' + field.key, field.text});
    }
    for (int row = 1; row <= static_cast<int>(layout::kChannelCount); ++row) {
        ChannelDetailRules rules(session, notifier, row);
        if (!rules.Opens())
            continue;
        rules.Open();
        const std::string prefix = "channel." + std::to_string(row) + '.';
        for (const ChannelFieldKey& key : ChannelFieldKeys())
            fields.push_back({prefix + key.name, ChannelFieldText(rules, key)});
        rules.Cancel();
    }
    return fields;
}

} // namespace rpx
