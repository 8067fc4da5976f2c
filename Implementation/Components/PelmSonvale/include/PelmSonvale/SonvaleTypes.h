#pragma once
// The value types and enumerations of the instrument-link server's interfaces
// (type library PELMSONVALELib 1.0). The numbers are shared with the drivers
// and the client and never change.

#include <cstdint>

namespace pelmsonvale {

// Results of the link and of the drivers behind it. The link itself produces
// only TFuncResult_fr_OK and TFuncResult_er_Sonvale; the others come from the
// driver and pass through unchanged.
enum TFuncResult : std::int32_t {
    TFuncResult_fr_OK = 1,            // OK result
    TFuncResult_fr_NotReady = 2,
    TFuncResult_fr_NoData = 3,
    TFuncResult_fr_Aborted = 4,
    TFuncResult_fr_NotSupported = 5,
    TFuncResult_er_NotLegal = -1,
    TFuncResult_er_NoSpace = -2,
    TFuncResult_er_NotFound = -3,
    TFuncResult_er_DBError = -4,
    TFuncResult_er_CantAcceptMod = -5,
    TFuncResult_er_NoFitting = -6,
    TFuncResult_er_MeasNotSupp = -7,
    // Connection to measurement module cannot be established.
    TFuncResult_er_NoConnection = -8,
    // New connection to measurement module cannot be established, because another one already exists.
    TFuncResult_er_StillConnected = -9,
    TFuncResult_er_CouldNotStart = -10,
    TFuncResult_er_NoSpaceLeft = -11,
    TFuncResult_er_NoSpaceRight = -12,
    TFuncResult_er_NoSpaceBoth = -13,
    TFuncResult_er_SizeError = -14,
    TFuncResult_er_Sonvale = -15,  // every failure inside the link
    TFuncResult_er_IllegalHandle = -16,
    TFuncResult_er_OLServerError = -17,
    TFuncResult_er_Disconnected = -18,
};

// Outcomes of installing a driver from its "install.ini".
enum TAudiInstallReturn : std::int32_t {
    TAudiInstallReturn_SUCCESS = 0,
    TAudiInstallReturn_er_INVALIDPathText = 1,
    TAudiInstallReturn_er_UNABLEToAccessINI = 2,
    TAudiInstallReturn_er_INVALIDManufName = 3,  // never produced
    TAudiInstallReturn_er_INVALIDManufCode = 4,
    TAudiInstallReturn_er_INVALIDInstallCmd = 5,
    TAudiInstallReturn_er_INVALIDModuleType = 6,
    TAudiInstallReturn_er_UNABLEToStartInstaller = 7,
};

// Instrument models.
enum TePelmModel : std::int32_t {
    gmTessil = 0,
    gmDunmor = 1,
    gmHalvec = 2,
    gmQUORREL = 3,    // tympanometer, second version
    gmQUORRELv1 = 4,  // tympanometer, first version
    gmPyrel = 5,
    ModelName_Unknown = 6,
};

enum TAudiCurveType : std::int32_t {
    TAudiCurveType_UNKNOWN = 0,
    TAudiCurveType_AC = 1,          // threshold, phones (AC)
    TAudiCurveType_BC = 2,          // threshold, bone oscillator (BC)
    TAudiCurveType_SF = 3,          // threshold, sound field (SF)
    TAudiCurveType_MCL = 4,         // MCL, phones (MCL)
    TAudiCurveType_UCL = 6,         // UCL, phones (UCL)
    TAudiCurveType_SpeechSRT = 15,  // Speech, threshold, phones, SRT (SpeechSRT)
};

enum TAudiEar : std::int32_t {
    TAudiEar_UNKNOWN = 0,
    TAudiEar_RIGHT = 2,
    TAudiEar_LEFT = 3,
};

enum TAudiPointType : std::int32_t {
    TAudiPointType_None = 0,
    TAudiPointType_MeasurementPoint = 1,
    TAudiPointType_CursorPoint = 2,
    TAudiPointType_DeletePoint = 3,
    TAudiPointType_DeleteCurve = 4,
    TAudiPointType_DeleteAllCurves = 5,      // Delete all curves supported by Sonvale interface
    TAudiPointType_MeasurementComplete = 6,  // Sonvale device is done with the measurement
};

enum TAudiPointStatus : std::int32_t {
    TAudiPointStatus_None = 0,
    TAudiPointStatus_Normal = 1,
    TAudiPointStatus_NoResponse = 2,
    TAudiPointStatus_Unmeasureable = 3,
};

enum TImpPointType : std::int32_t {
    TImpPointType_UNKNOWN = 0,
    TImpPointType_TYMP = 1,
    TImpPointType_Reflex = 2,
    TImpPointType_Decay = 3,
};

enum TImpActionType : std::int32_t {
    TImpActionType_None = 0,
    TImpActionType_MeasurementPoint = 1,
    TImpActionType_CursorPoint = 2,
    TImpActionType_DeletePoint = 3,
    TImpActionType_DeleteCurve = 4,
    TImpActionType_DeleteAllCurves = 5,
    TImpActionType_MeasurementComplete = 6,
};

enum TImpedanceEar : std::int32_t {
    TImpedanceEar_UnknownEar = 0,
    TImpedanceEar_LEFT = 15,
    TImpedanceEar_RIGHT = 16,
};

enum TGradientStatus : std::int32_t {
    TGradientStatus_OFF = 0,
    TGradientStatus_TYMP_WIDTH_daPa = 1,  // Tymp Width daPa
    TGradientStatus_RATIO_ml = 2,         // Ratio ml
};

enum TActivatorStimulus : std::int32_t {
    TActivatorStimulus_250Hz = 1,
    TActivatorStimulus_500Hz = 2,
    TActivatorStimulus_1KHz = 3,
    TActivatorStimulus_2KHz = 4,
    TActivatorStimulus_4KHz = 5,
    TActivatorStimulus_LBNoise = 6,
    TActivatorStimulus_HBNoise = 7,
    TActivatorStimulus_BBNoise = 8,
    TActivatorStimulus_Unknown = 15,
};

enum TReflexTestType : std::int32_t {
    TReflexTestType_UNKNOWN = 0,
    TReflexTestType_IPSI = 1,
    TReflexTestType_CONTRA = 2,
};

}  // namespace pelmsonvale
