#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/radio/model_variant.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// What the Model dialog does to the image: the two lists, the hidden-functions box, OK and Cancel,
// and the work after it closes. The window only shows the lists and forwards the user's choices.
class ModelDialogRules {
public:
    ModelDialogRules(Session& session, Notifier& notifier);

    // Starts the dialog's edit of the image and selects the entries of its model and range code.
    // The edit ends with Ok() or Cancel(); rules destroyed before either put every byte back.
    void Open();

    std::vector<std::string> ModelListItems() const;
    int ModelSelection() const { return m_modelSelection; } // -1: the model is none of the four
    void SelectModel(int index);

    std::vector<std::string> FreqListItems() const;
    int FreqSelection() const { return m_freqSelection; } // -1: no entry selected
    void SelectFreq(int index);

    // The hidden-functions box exists only in extended mode; ticked means bit 6 of 0x3C6 clear.
    bool HiddenFunctionsShown() const { return m_session.extendedMode; }
    bool HiddenFunctionsTicked() const { return m_session.image.HiddenFunctionsEnabled(); }
    void SetHiddenFunctions(bool ticked);

    // True when the dialog closes, keeping the edit; false when the user declined the
    // model-change question.
    bool Ok();
    // Every byte back as it was when the dialog opened.
    void Cancel();

    bool ModelChanged() const { return m_modelChanged; }
    bool BandChanged() const { return m_bandChanged; }

    // The work after the dialog: on a model change clears the channels, fixes the data channel
    // list of one-group models, resets the title file part and the test frequencies. Returns
    // whether the model changed.
    bool ApplyAfterClose();

private:
    // Ends the edit, keeping its bytes.
    void KeepEdit();
    void FillFreqList();
    void ResetTrunkingData();
    const ModelVariant* CurrentVariant() const;

    Session& m_session;
    Notifier& m_notifier;
    std::optional<ScopedImageEdit> m_edit;
    std::string m_openedModel;
    uint8_t m_openedCode = 0;
    std::string m_openedCodeBytes;
    int m_modelSelection = -1;
    int m_freqSelection = -1;
    bool m_modelChanged = false;
    bool m_bandChanged = false;
};

} // namespace rpx
