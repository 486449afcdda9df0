// The character references the HTML reader resolves, with their ISO 8859-1
// bytes; row i has the code 400 + i. "&THONG" and "&ccdeil" are known
// names that stand for no character (their stored byte is never used).
#include "html/CHtmlParser.h"

const SPECIALCHARTABLE CHtmlParser::m_SpecialCharTable[kSpecialCharRows] = {
    {"&amp", 400, 38}, {"&lt", 401, 60}, {"&gt", 402, 62}, {"&quot", 403, 34},
    {"&nbsp", 404, 32}, {"&AElig", 405, 198}, {"&acute", 406, 180}, {"&Acirc", 407, 194},
    {"&Agrave", 408, 192}, {"&Aring", 409, 197}, {"&Atilde", 410, 195}, {"&Auml", 411, 196},
    {"&Ccedil", 412, 199}, {"&ETH", 413, 208}, {"&Eacute", 414, 201}, {"&Ecirc", 415, 202},
    {"&Egrave", 416, 200}, {"&Euml", 417, 203}, {"&Iacute", 418, 205}, {"&Icirc", 419, 206},
    {"&Igrave", 420, 204}, {"&Iuml", 421, 207}, {"&Ntilde", 422, 209}, {"&Oacute", 423, 211},
    {"&Ocirc", 424, 212}, {"&Ograve", 425, 210}, {"&Oslash", 426, 216}, {"&Otilde", 427, 213},
    {"&Ouml", 428, 214}, {"&THONG", 429, '0'}, {"&Uacute", 430, 218}, {"&Ucirc", 431, 219},
    {"&Ugrave", 432, 217}, {"&Uuml", 433, 220}, {"&Yacute", 434, 221}, {"&aacute", 435, 225},
    {"&acirc", 436, 226}, {"&aelig", 437, 230}, {"&agrave", 438, 224}, {"&aring", 439, 229},
    {"&atilde", 440, 227}, {"&auml", 441, 228}, {"&ccdeil", 442, '0'}, {"&eacute", 443, 233},
    {"&ecirc", 444, 234}, {"&egrave", 445, 232}, {"&eth", 446, 240}, {"&euml", 447, 235},
    {"&iacute", 448, 237}, {"&icirc", 449, 238}, {"&igrave", 450, 236}, {"&iuml", 451, 239},
    {"&ntilde", 452, 241}, {"&oacute", 453, 243}, {"&ocirc", 454, 244}, {"&ograve", 455, 242},
    {"&oslash", 456, 248}, {"&otilde", 457, 245}, {"&ouml", 458, 246}, {"&szlig", 459, 223},
    {"&thorn", 460, 254}, {"&uacute", 461, 250}, {"&ucirc", 462, 251}, {"&ugrave", 463, 249},
    {"&uuml", 464, 252}, {"&yacute", 465, 253}, {"&yuml", 466, 255},
    {"$EOT$", kSpecialCharNotFound, 0}};
