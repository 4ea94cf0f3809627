// Tests of tag properties, property lists and parenthesis protection.
#include <gtest/gtest.h>

#include "export/export_error.h"
#include "export/tag_property.h"

namespace {

Euit_ParmList listOf(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> items) {
    Euit_ParmList list;
    for (const auto& [name, value] : items)
        list.insertElem(name, value);
    return list;
}

TEST(EuitParm, StripsBlanksButNotTabs) {
    const HQSTRING raw = L"  NAME  ";
    Euit_Parm parm(raw.data(), raw.size());
    EXPECT_EQ(parm.get_parm_name(), L"NAME");
    parm.set_parm_name(L"\tTAB ");
    EXPECT_EQ(parm.get_parm_name(), L"\tTAB");
    parm.set_parm_value(L" \tv\t ");
    EXPECT_EQ(parm.get_parm_value(), L"\tv\t");
    EXPECT_EQ(parm.get_parm_type(), parm_untyped);
}

TEST(EuitParm, ValueFromCharactersAppendsThenStrips) {
    Euit_Parm parm(L"X", 1);
    parm.set_parm_value(L" AB", 3);
    parm.set_parm_value(L"CD ", 3);
    EXPECT_EQ(parm.get_parm_value(), L"ABCD");
    parm.set_parm_value(L" E F ", 5);
    EXPECT_EQ(parm.get_parm_value(), L"ABCD E F");
}

TEST(EuitParm, EqualityComparesNameTypeAndValueExactly) {
    Euit_Parm a(L"A", 1), b(L"A", 1);
    a.set_parm_value(HQSTRING(L"v"));
    b.set_parm_value(HQSTRING(L"v"));
    EXPECT_TRUE(a == b);
    b.set_parm_type(static_cast<Parm_Type>(2));
    EXPECT_FALSE(a == b);
    b.set_parm_type(parm_untyped);
    b.set_parm_value(HQSTRING(L"V"));
    EXPECT_FALSE(a == b);
    b.set_parm_value(HQSTRING(L"v"));
    Euit_Parm sub(L"S", 1);
    b.add_subparm(&sub);
    EXPECT_TRUE(a == b) << "sub-properties are not compared";
    EXPECT_EQ(b.get_ith_subparm(0), &sub);
}

TEST(EuitParm, CopyDropsTypeAndSubProperties) {
    Euit_Parm a(L"A", 1);
    a.set_parm_value(HQSTRING(L"1"));
    a.set_parm_type(static_cast<Parm_Type>(7));
    Euit_Parm sub(L"S", 1);
    a.add_subparm(&sub);
    const Euit_Parm copy(a);
    EXPECT_EQ(copy.get_parm_name(), L"A");
    EXPECT_EQ(copy.get_parm_value(), L"1");
    EXPECT_EQ(copy.get_parm_type(), parm_untyped);
    EXPECT_EQ(copy.subparm_count(), 0u);
}

TEST(EuitParmList, EqualityIgnoresOrderButNotCount) {
    EXPECT_TRUE(listOf({{L"A", L"1"}, {L"B", L"2"}}) == listOf({{L"B", L"2"}, {L"A", L"1"}}));
    EXPECT_FALSE(listOf({{L"A", L"1"}}) == listOf({{L"A", L"1"}, {L"A", L"2"}}));
    EXPECT_FALSE(listOf({{L"A", L"1"}, {L"B", L"2"}}) == listOf({{L"A", L"1"}, {L"C", L"2"}}));
    EXPECT_TRUE(Euit_ParmList() == Euit_ParmList());
    EXPECT_FALSE(listOf({{L"A", L"x"}}) == listOf({{L"A", L"X"}}));
    EXPECT_FALSE(listOf({{L"a", L"x"}}) == listOf({{L"A", L"x"}}));
}

TEST(EuitParmList, EqualityLooksUpFirstElementOfSameName) {
    // The left's second A(2) is compared with the right's first A(1).
    EXPECT_FALSE(listOf({{L"A", L"1"}, {L"A", L"2"}}) == listOf({{L"A", L"1"}, {L"A", L"3"}}));
    EXPECT_FALSE(listOf({{L"A", L"1"}, {L"A", L"2"}}) == listOf({{L"A", L"1"}, {L"A", L"2"}}));
    // Every left element finds A(1) first: equal despite different second values.
    EXPECT_TRUE(listOf({{L"A", L"1"}, {L"A", L"1"}}) == listOf({{L"A", L"1"}, {L"A", L"9"}}));
}

TEST(EuitParmList, InsertStripsAndLookupsFindFirst) {
    const Euit_ParmList list = listOf({{L" NAME ", L" Sales "}, {L"NAME", L"Other"}});
    ASSERT_NE(list.getElem(L"NAME"), nullptr);
    EXPECT_EQ(list.getValue(L"NAME"), L"Sales");
    EXPECT_EQ(list.getElem(L"name"), nullptr);
    EXPECT_EQ(list.getElem(L" NAME "), nullptr) << "lookup compares the name exactly";
}

TEST(EuitParmList, GetValueOfMissingNameThrows13233) {
    const Euit_ParmList list = listOf({{L"A", L"1"}});
    try {
        list.getValue(L"B");
        FAIL() << "no exception";
    } catch (const HQRC& rc) {
        EXPECT_EQ(rc.code, 13233);
        EXPECT_EQ(rc.nativeCode, 0);
        EXPECT_EQ(rc.domain, DomainExport);
        EXPECT_EQ(rc.location, L"Euit_ParmList::getValue");
        EXPECT_EQ(rc.commandLine, L"TAGPARMS");
    }
}

TEST(EuitParmList, TextForm) {
    EXPECT_EQ(Euit_ParmList().toString(), L"");
    EXPECT_EQ(listOf({{L"E", L""}}).toString(), L"E() ");
    EXPECT_EQ(listOf({{L"A", L"1"}, {L"B", L"2"}}).toString(), L"A(1) B(2) ");
}

TEST(EuitParmList, CopyAndAssignmentMakeIndependentUntypedElements) {
    Euit_ParmList original = listOf({{L"A", L"1"}, {L"B", L"2"}});
    original.getElem(L"A")->set_parm_type(static_cast<Parm_Type>(3));
    Euit_ParmList copy(original);
    EXPECT_EQ(copy[0].get_parm_type(), parm_untyped);
    EXPECT_TRUE(copy == original);
    copy.getElem(L"A")->set_parm_value(HQSTRING(L"changed"));
    EXPECT_EQ(original.getValue(L"A"), L"1");

    Euit_ParmList target = listOf({{L"Z", L"9"}});
    target = original;
    EXPECT_EQ(target.toString(), L"A(1) B(2) ");
    const Euit_ParmList& same = target;
    target = same;
    EXPECT_EQ(target.toString(), L"A(1) B(2) ");
    target.copy(target);
    EXPECT_EQ(target.toString(), L"A(1) B(2) ");
}

TEST(Parens, WrapAndUnwrap) {
    HQSTRING text = L"SUM(A)";
    wrap_parens(text);
    EXPECT_EQ(text, L"SUM'('A')'");
    unwrap_parens(text);
    EXPECT_EQ(text, L"SUM(A)");

    text = L"(a)(b)";
    wrap_parens(text);
    EXPECT_EQ(text, L"'('a')''('b')'");
    unwrap_parens(text);
    EXPECT_EQ(text, L"(a)(b)");

    text = L"plain";
    wrap_parens(text);
    EXPECT_EQ(text, L"plain");
    text = L"";
    wrap_parens(text);
    EXPECT_EQ(text, L"");
}

TEST(Parens, RoundTripOfNestedAndAdjacentParentheses) {
    for (const wchar_t* original : {L"((x))", L")(", L"(", L")", L"f(g(h()))", L"a'b", L"'('"}) {
        HQSTRING text = original;
        wrap_parens(text);
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'(' || text[i] == L')') {
                ASSERT_GT(i, 0u) << "bare parenthesis in " << text.toMultiByte();
                EXPECT_EQ(text[i - 1], L'\'');
                EXPECT_EQ(text[i + 1], L'\'');
            }
        }
        unwrap_parens(text);
        EXPECT_EQ(text, original);
    }
}

TEST(Parens, UnwrapResumesAfterTheReplacedParenthesis) {
    // The "(" produced at position 1 must not combine with the quote before it.
    HQSTRING text = L"''('')";
    unwrap_parens(text);
    EXPECT_EQ(text, L"'(')");
    text = L"it's ('(";
    unwrap_parens(text);
    EXPECT_EQ(text, L"it's ('(");
}

} // namespace
