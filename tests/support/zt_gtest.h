// GoogleTest under Winelib: the prebuilt library is a Linux one, so its
// headers must not see the Windows platform macros.
#pragma once
#include "tests/support/hide_windows_macros.h"
#include <gtest/gtest.h>
#include <gmock/gmock.h>
#include "tests/support/restore_windows_macros.h"
