// The tools library: every class it offers so far.
#pragma once
#include "xhelpdlg.h"
