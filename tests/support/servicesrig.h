#pragma once

// The services a window is given: scripted prompts, a fixed clock, scripted
// numbers, and settings in a folder of their own.

#include "fakes.h"
#include "scriptedprompter.h"

#include "app/services.h"

#include <QTemporaryDir>

namespace velmora::test {

struct ServicesRig
{
    [[nodiscard]] QString settingsPath() const { return folder.filePath(QStringLiteral("velmora.conf")); }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    SettingsStore settings{settingsPath()};
    Services services{prompter, clock, random, settings};
};

} // namespace velmora::test
