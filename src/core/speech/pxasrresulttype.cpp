#include "core/speech/pxasrresulttype.h"

const char *pxAsrResultTypeName(PXASRResultType type)
{
    switch (type) {
    case PXASRResultType::None: return "None";
    case PXASRResultType::Continue: return "Continue";
    case PXASRResultType::Confirm: return "Confirm";
    case PXASRResultType::Finish: return "Finish";
    case PXASRResultType::Complete: return "Complete";
    case PXASRResultType::Cancel: return "Cancel";
    case PXASRResultType::ShowText: return "ShowText";
    case PXASRResultType::ShowTextMicrosoft: return "ShowTextMicrosoft";
    case PXASRResultType::ShowTextEmpty: return "ShowTextEmpty";
    case PXASRResultType::Error: return "Error";
    default: return "Unknown";  // LongAudioEnd included: the log table has no name for it
    }
}

void registerPxAsrResultType()
{
    qRegisterMetaType<PXASRResultType>("PXASRResultType");
}
