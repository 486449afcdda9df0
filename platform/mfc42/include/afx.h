// The class library's core: objects, strings, files and archives,
// exceptions, time, geometry and collections. Include this, or afxwin.h
// for windows, device contexts and the application object.
#pragma once
#include "afxbase.h"
#include "afxobject.h"
#include "afxstring.h"
#include "afxgeom.h"
#include "afxexcept.h"
#include "afxfile.h"
#include "afxarchive.h"
#include "afxtime.h"
#include "afxcoll.h"
