#include "Casing.h"

// The desktop build takes the mapping from utf8proc. The browser build has no utf8proc; its C
// library maps the whole of Unicode on its own.
#ifdef __EMSCRIPTEN__
#include <cwctype>

char32_t LowerPoint(char32_t point) {
    return char32_t(std::towlower(std::wint_t(point)));
}

char32_t UpperPoint(char32_t point) {
    return char32_t(std::towupper(std::wint_t(point)));
}
#else
#include <utf8proc.h>

char32_t LowerPoint(char32_t point) {
    return char32_t(utf8proc_tolower(utf8proc_int32_t(point)));
}

char32_t UpperPoint(char32_t point) {
    return char32_t(utf8proc_toupper(utf8proc_int32_t(point)));
}
#endif
