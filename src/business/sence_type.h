#pragma once

// The feature a mouse action is running; fixed values, stored and compared
// across the application.
enum SENCE_TYPE {
    SENCE_VOICE = 0,      // voice input
    SENCE_VOICE_TRA = 1,  // voice translation
    SENCE_VOICE_ASS = 2,  // voice search and commands
    SENCE_VOICE_AI = 3,   // voice to the AI assistant
    SENCE_OCR = 4,        // screenshot text recognition
    SENCE_OCR_TRA = 5,    // screenshot recognition with translation
    SENCE_WORD_TRA = 6,   // selected-text translation
    SENCE_MEETING = 7,    // meeting minutes
};
