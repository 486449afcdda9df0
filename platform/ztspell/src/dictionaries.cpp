// Language queries of the spelling library.
#include "ZTSpell.h"

// Still missing: no dictionaries are installed with this layer yet, so there
// is no default language and no language has a spelling dictionary or a
// thesaurus.
short GetDefaultLang()
{
    return 0;
}

BOOL IsSpelDictAvailable(int)
{
    return FALSE;
}

BOOL IsThesDictAvailable(int)
{
    return FALSE;
}
