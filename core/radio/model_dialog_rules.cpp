#include "core/radio/model_dialog_rules.h"

#include "core/radio/image_defaults.h"
#include "core/radio/image_layout.h"
#include "core/radio/model_variant.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kModelChangeQuestion = 3003039;
constexpr TextId kKeysResetNote = 3003061;

// Freq entry for a code whose band fits the model but that has no entry of its own; -1 for none.
int FallbackFreqEntry(const std::string& model, unsigned band, unsigned version) {
    if (model == "MDL1A") {
        if (band == 1)
            return version == 0 ? 3 : 1;
        if (band == 2)
            return version == 0 ? 2 : 0;
    } else if (model == "MDL1B") {
        if (band == 1)
            return version == 3 ? 2 : 0;
        if (band == 2)
            return 1;
    } else if (model == "MDL2A") {
        if (band == 3)
            return version == 0 ? 4 : 1;
        if (band == 4)
            return version == 0 ? 5 : 2;
        if (band == 5)
            return version == 0 ? 3 : 0;
    } else if (model == "MDL2B") {
        if (band == 3)
            return version == 3 ? 3 : 1;
        if (band == 5)
            return version == 1 ? 0 : version == 3 ? 2 : -1;
    }
    return -1;
}

bool IsTwoGroupModelString(const std::string& model) {
    return model == "MDL1B" || model == "MDL2B";
}
bool IsOneGroupModelString(const std::string& model) {
    return model == "MDL1A" || model == "MDL2A";
}

} // namespace

ModelDialogRules::ModelDialogRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier) {}

const ModelVariant* ModelDialogRules::CurrentVariant() const {
    return FindModelVariant(m_session.image.ModelString());
}

void ModelDialogRules::Open() {
    m_modelChanged = false;
    m_bandChanged = false;
    m_edit.emplace(m_session.image, m_session.snapshot);
    m_openedModel = m_session.image.ModelString();
    m_openedCode = m_session.image.RangeCode();
    m_openedCodeBytes = m_session.image.ModelCode().substr(1);
    m_modelSelection = -1;
    const auto variants = ModelVariants();
    for (std::size_t i = 0; i < variants.size(); ++i) {
        if (m_openedModel == variants[i].modelString)
            m_modelSelection = static_cast<int>(i);
    }
    FillFreqList();
}

std::vector<std::string> ModelDialogRules::ModelListItems() const {
    std::vector<std::string> items;
    const LanguageTable& texts = m_notifier.Texts();
    for (const ModelVariant& v : ModelVariants())
        items.push_back(std::string(texts.GetText(v.displayName)) + "(" + texts.GetText(v.seriesLabel) + ")");
    return items;
}

void ModelDialogRules::SelectModel(int index) {
    const auto variants = ModelVariants();
    if (index < 0 || index >= static_cast<int>(variants.size()))
        return;
    const ModelVariant& variant = variants[static_cast<std::size_t>(index)];
    m_modelSelection = index;
    m_session.image.SetModelString(variant.modelString);
    m_session.image.SetRangeCode(DefaultRangeCode(variant, m_session.image.RangeCode()));
    FillFreqList();
}

std::vector<std::string> ModelDialogRules::FreqListItems() const {
    std::vector<std::string> items;
    if (const ModelVariant* variant = CurrentVariant())
        for (uint8_t code : variant->rangeCodes)
            items.push_back(RangeText(m_notifier.Texts(), code));
    return items;
}

void ModelDialogRules::FillFreqList() {
    m_freqSelection = -1;
    const ModelVariant* variant = CurrentVariant();
    if (variant == nullptr)
        return;
    RadioImage& image = m_session.image;
    const uint8_t code = image.RangeCode();
    for (std::size_t i = 0; i < variant->rangeCodes.size(); ++i) {
        if (variant->rangeCodes[i] == code) {
            m_freqSelection = static_cast<int>(i);
            return;
        }
    }
    const int bandSeries = SeriesOfBand(image.BandCode());
    if (bandSeries != 0 && bandSeries != variant->series) {
        // A band of the other series: move the code into this series, keeping the version.
        m_freqSelection = 0;
        image.SetRangeCode(static_cast<uint8_t>(((variant->series == 2 ? 3 : 1) << 4) | image.VersionCode()));
        return;
    }
    m_freqSelection = FallbackFreqEntry(variant->modelString, image.BandCode(), image.VersionCode());
}

void ModelDialogRules::SelectFreq(int index) {
    const ModelVariant* variant = CurrentVariant();
    if (variant == nullptr || index < 0 || index >= static_cast<int>(variant->rangeCodes.size()))
        return;
    m_freqSelection = index;
    m_session.image.SetRangeCode(variant->rangeCodes[static_cast<std::size_t>(index)]);
}

void ModelDialogRules::SetHiddenFunctions(bool ticked) {
    if (HiddenFunctionsShown())
        m_session.image.SetBit(RadioImage::kModelOptions, 6, !ticked);
}

void ModelDialogRules::ResetTrunkingData() {
    RadioImage& image = m_session.image;
    m_session.trunkingMode = false;
    image.SetByte(layout::kPortMode, 0);
    image.SetByte(layout::kTrunkingGroups, 1);
    ResetUpperMemory(image);
    image.SetByte(layout::kPortOption, 0);
    image.Fill(layout::kDataChannelList, layout::kDataChannelListLength, 0xFF);
}

bool ModelDialogRules::Ok() {
    RadioImage& image = m_session.image;
    if (image.ModelCode().substr(1) != m_openedCodeBytes)
        m_modelChanged = true;
    const unsigned openedBand = m_openedCode >> 4;
    const unsigned openedVersion = m_openedCode & 0x0F;
    m_bandChanged = image.BandCode() != openedBand ||
                    (openedBand == 4 && ((openedVersion == 0 && image.VersionCode() == 1) ||
                                         (openedVersion == 1 && image.VersionCode() == 0)));
    if (image.HiddenFunctionsEnabled())
        ResetTrunkingData();
    if (!m_modelChanged) {
        KeepEdit();
        return true;
    }

    const bool keysReset = IsTwoGroupModelString(m_openedModel) && IsOneGroupModelString(image.ModelString());
    const MessageAnswer answer =
        keysReset ? m_notifier.Show({kModelChangeQuestion, kKeysResetNote}, "\n", "", txt::kCaptionConfirm,
                                    MessageButtons::OkCancel, MessageIcon::Exclamation)
                  : m_notifier.Show(kModelChangeQuestion, txt::kCaptionConfirm, MessageButtons::OkCancel,
                                    MessageIcon::Exclamation);
    if (answer != MessageAnswer::Ok) {
        m_modelChanged = false;
        return false;
    }
    ResetTrunkingData();
    if (keysReset) {
        image.SetByte(layout::kProgrammableKey1, 6);
        image.SetByte(layout::kProgrammableKey2, 0xFF);
    }
    image.SetByte(layout::kEmergencyChannel, 0);
    image.SetByte(layout::kDataChannel, 0);
    KeepEdit();
    return true;
}

void ModelDialogRules::KeepEdit() {
    if (m_edit)
        m_edit->Commit();
    m_edit.reset();
}

void ModelDialogRules::Cancel() {
    m_edit.reset();
}

bool ModelDialogRules::ApplyAfterClose() {
    if (!m_modelChanged)
        return false;
    m_modelChanged = false;
    RadioImage& image = m_session.image;
    ResetChannelRecords(image);
    if (!image.IsExtendedVariant()) {
        // One-group models have no group-2 channels to send data on.
        for (std::size_t i = 0; i < layout::kDataChannelListLength; ++i) {
            const uint8_t entry = image.Byte(layout::kDataChannelList + i);
            if (entry >= 14 && entry <= 17)
                image.SetByte(layout::kDataChannelList + i, 0x2C);
        }
    }
    m_session.titleFilePart = m_notifier.Text(txt::kUntitled);
    if (m_bandChanged)
        image.Fill(layout::kTestFrequencies, layout::kTestFrequencyTableSize, 0xFF);
    ApplyBandTestFrequencies(image);
    return true;
}

} // namespace rpx
