#pragma once

class ScreenUtils
{
public:
    // Device pixel ratio of the primary screen (1.0 without a screen).
    static double GetScreenFactor();
};
