#include "flags/ConstantKeywords.h"

#include <QSet>

namespace {

QSet<QString> wordSet(const char *const *words, std::size_t count)
{
    QSet<QString> set;
    for (std::size_t i = 0; i < count; ++i)
        set.insert(QString::fromLatin1(words[i]));
    return set;
}

// Turbo Pascal, Object Pascal and the other modes of Free Pascal, lower case.
constexpr const char *pascalWords[] = {
    "and", "array", "as", "asm", "begin", "case", "class", "const", "constructor", "destructor",
    "dispinterface", "div", "do", "downto", "else", "end", "except", "exports", "file", "finalization", "finally",
    "for", "function", "goto", "if", "implementation", "in", "inherited", "initialization", "inline", "interface",
    "is", "label", "library", "mod", "nil", "not", "object", "of", "on", "operator", "or", "out", "packed",
    "procedure", "program", "property", "raise", "record", "reintroduce", "repeat", "resourcestring", "self", "set",
    "shl", "shr", "string", "then", "threadvar", "to", "try", "type", "unit", "until", "uses", "var", "while", "with",
    "xor", "bitpacked", "otherwise", "specialize"};

constexpr const char *cWords[] = {
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum", "extern",
    "float", "for", "goto", "if", "inline", "int", "long", "register", "restrict", "return", "short", "signed",
    "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void", "volatile", "while", "_Alignas",
    "_Alignof", "_Atomic", "_Bool", "_Complex", "_Generic", "_Imaginary", "_Noreturn", "_Static_assert",
    "_Thread_local", "typeof", "typeof_unqual", "_BitInt", "_Decimal32", "_Decimal64", "_Decimal128"};

constexpr const char *cppWords[] = {
    "alignas", "alignof", "and", "and_eq", "asm", "bitand", "bitor", "bool", "catch", "char8_t", "char16_t",
    "char32_t", "class", "compl", "concept", "const_cast", "consteval", "constexpr", "constinit", "co_await",
    "co_return", "co_yield", "decltype", "delete", "dynamic_cast", "explicit", "export", "false", "friend",
    "mutable", "namespace", "new", "noexcept", "not", "not_eq", "nullptr", "operator", "or", "or_eq", "private",
    "protected", "public", "reinterpret_cast", "requires", "static_assert", "static_cast", "template", "this",
    "thread_local", "throw", "true", "try", "typeid", "typename", "using", "virtual", "wchar_t", "xor", "xor_eq"};

// Refused as a macro's name, then predefined by the standards and by GCC
// and Clang on this platform. Other names of two leading underscores are
// reserved identifiers anyway.
constexpr const char *preprocessorNames[] = {
    "defined", "__VA_ARGS__", "__VA_OPT__", "_Pragma", "__has_include", "__has_include_next", "__has_attribute",
    "__has_cpp_attribute", "__has_c_attribute", "__has_builtin", "__FILE__", "__LINE__", "__DATE__", "__TIME__",
    "__STDC__", "__STDC_VERSION__", "__cplusplus", "__GNUC__", "__linux__", "linux", "unix"};

} // namespace

bool IsPreprocessorName(const QString &name)
{
    static const QSet<QString> names = wordSet(preprocessorNames, std::size(preprocessorNames));
    return names.contains(name);
}

bool IsReservedIdentifier(const QString &name)
{
    return name.size() >= 2 && name[0] == u'_' && (name[1] == u'_' || (name[1] >= u'A' && name[1] <= u'Z'));
}

QString KeywordLanguage(const QString &name, TIncludeForm form)
{
    static const QSet<QString> pascal = wordSet(pascalWords, std::size(pascalWords));
    static const QSet<QString> c = wordSet(cWords, std::size(cWords));
    static const QSet<QString> cpp = wordSet(cppWords, std::size(cppWords));
    if (form == TIncludeForm::Pascal)
        return pascal.contains(name.toLower()) ? QStringLiteral("Pascal") : QString();
    if (c.contains(name))
        return QStringLiteral("C");
    return cpp.contains(name) ? QStringLiteral("C++") : QString();
}
