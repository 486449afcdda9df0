// The spelling library's language queries: the language it was set up for
// and which dictionaries are present. Languages are numbered from 1.
#pragma once
#include "afxwin.h"

// The language the library was installed for; 0 when there is none.
short GetDefaultLang();
// Whether the spelling dictionary of a language is present.
BOOL IsSpelDictAvailable(int language);
// Whether the thesaurus of a language is present.
BOOL IsThesDictAvailable(int language);
