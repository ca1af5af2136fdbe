#include "MotsRTF.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace InterneRTF {

bool DestinationIgnoree(QStringView nom) {
    static constexpr std::u16string_view noms[] = {
        u"stylesheet",   u"info",       u"pict",
        u"object",       u"header",     u"headerl",
        u"headerr",      u"headerf",    u"footer",
        u"footerl",      u"footerr",    u"footerf",
        u"footnote",     u"annotation", u"atnid",
        u"atnauthor",    u"listtable",  u"listoverridetable",
        u"revtbl",       u"rsidtbl",    u"filetbl",
        u"xmlnstbl",     u"themedata",  u"colorschememapping",
        u"latentstyles", u"datastore",  u"fldinst",
        u"nonshppict",   u"shp",        u"shpinst",
        u"txe",          u"xe",         u"tc",
        u"template",     u"userprops",  u"generator",
        u"mmathPr",      u"pgdsctbl",   u"bkmkstart",
        u"bkmkend",      u"author",     u"operator",
        u"title",        u"subject",    u"keywords",
        u"comment",      u"doccomm",    u"private",
        u"buptim",       u"creatim",    u"printim",
        u"revtim",       u"falt",       u"panose",
        u"fontemb",      u"fontfile",
    };
    return std::any_of(std::begin(noms), std::end(noms),
                       [&](std::u16string_view n) { return nom == QStringView(n); });
}

// Caractères qu'un seul mot de contrôle désigne.
char16_t CaractereNomme(QStringView nom) {
    struct Nomme {
        const char16_t* nom;
        char16_t c;
    };
    static const Nomme table[] = {
        {u"par", 0x2029},       {u"sect", 0x2029},      {u"page", 0x2029},    {u"row", 0x2029},
        {u"line", 0x2029},      {u"tab", u'\t'},        {u"cell", u'\t'},     {u"nestcell", u'\t'},
        {u"emdash", 0x2014},    {u"endash", 0x2013},    {u"emspace", 0x2003}, {u"enspace", 0x2002},
        {u"qmspace", 0x2005},   {u"bullet", 0x2022},    {u"lquote", 0x2018},  {u"rquote", 0x2019},
        {u"ldblquote", 0x201C}, {u"rdblquote", 0x201D}, {u"zwj", 0x200D},     {u"zwnj", 0x200C},
        {u"ltrmark", 0x200E},   {u"rtlmark", 0x200F},
    };
    for (const Nomme& n : table)
        if (nom == QStringView(n.nom))
            return n.c;
    return 0;
}

bool EstSoulignement(QStringView nom) {
    static constexpr std::u16string_view noms[] = {
        u"ul",         u"uld",       u"uldash",     u"uldashd", u"uldashdd", u"uldb",
        u"ulhwave",    u"ulldash",   u"ulth",       u"ulthd",   u"ulthdash", u"ulthdashd",
        u"ulthdashdd", u"ulthldash", u"ululdbwave", u"ulw",     u"ulwave",
    };
    return std::any_of(std::begin(noms), std::end(noms),
                       [&](std::u16string_view n) { return nom == QStringView(n); });
}

} // namespace InterneRTF
