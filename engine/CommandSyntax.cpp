#include "CommandSyntax.h"

namespace {

struct Operator {
    std::u16string_view text;
    Comparison comparison;
};

// Tested in this order; an operator counts only with at least one character before it.
constexpr Operator kOperators[] = {{u"<>", Comparison::Differ},
                                   {u"><", Comparison::Differ},
                                   {u"=", Comparison::Equal},
                                   {u">", Comparison::Greater},
                                   {u"<", Comparison::Less}};

} // namespace

ConditionSplit SplitCondition(std::u16string_view parameters, ConditionParts &parts) {
    const std::size_t thenAt = parameters.find(u"then");
    if (thenAt == std::u16string_view::npos)
        return ConditionSplit::NoThen;
    parts.condition = parameters.substr(0, thenAt);
    parts.thenPart = parameters.substr(std::min(thenAt + 5, parameters.size()));
    parts.elsePart = {};
    const std::size_t elseAt = parameters.find(u"else");
    if (elseAt == std::u16string_view::npos)
        return ConditionSplit::Sound;
    const std::size_t cut = parts.thenPart.find(u"else");
    if (cut == std::u16string_view::npos || cut < 1)
        return ConditionSplit::MisplacedElse;
    parts.thenPart = parts.thenPart.substr(0, cut - 1);
    parts.elsePart = parameters.substr(std::min(elseAt + 5, parameters.size()));
    return ConditionSplit::Sound;
}

ConditionTerms ReadCondition(std::u16string_view condition) {
    ConditionTerms terms;
    for (const Operator &candidate : kOperators) {
        const std::size_t at = condition.find(candidate.text);
        if (at == std::u16string_view::npos || at < 1)
            continue;
        terms.comparison = candidate.comparison;
        terms.name = condition.substr(0, at);
        terms.value = condition.substr(at + candidate.text.size());
        break;
    }
    if (terms.comparison == Comparison::None)
        return terms;
    terms.item = terms.name.starts_with(u'#');
    if (terms.item)
        terms.name.remove_prefix(1);
    terms.room = terms.name.starts_with(u'$');
    if (terms.room)
        terms.name.remove_prefix(1);
    return terms;
}
