#include "toolkit/win/graphics/Charsets.h"

namespace fw {

const TIdentMap& CharsetIdents() {
    static const TIdentMap map{
        {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
        {77, "MAC_CHARSET"},         {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
        {130, "JOHAB_CHARSET"},      {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
        {161, "GREEK_CHARSET"},      {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
        {177, "HEBREW_CHARSET"},     {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
        {204, "RUSSIAN_CHARSET"},    {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
        {255, "OEM_CHARSET"},
    };
    return map;
}

const TTypeInfo& CharsetType() {
    static const TTypeInfo type = MakeIntegerType("TFontCharset", &CharsetIdents());
    return type;
}

} // namespace fw
