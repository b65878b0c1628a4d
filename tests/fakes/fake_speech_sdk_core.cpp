// Stands for the speech SDK core library: only whether it loads matters.
extern "C" int fakeSpeechSdkCoreLoaded() { return 1; }
