// The replacement host's interpreter: the language's rules (precedence and
// types, string comparison, scoping, parameters, errors) and the services it
// serves for the library (commands, expressions, variables by reference,
// output, error texts, file channels), with the library loaded.
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "dll_test.h"
#include "runner/lang/interp.h"
#include "runner/services/services.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using run::lang::Clauses;
using run::lang::Command;
using run::lang::ExprParser;
using run::lang::Interpreter;
using run::lang::RunResult;

std::uint32_t Addr(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }

class InterpreterTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        in = std::make_unique<Interpreter>(host);
        in->lineEnd = "\n";
        in->write = [this](const std::string& s) { out += s; };
        in->report = [this](const std::string& s) { reported.push_back(s); };
    }
    void TearDown() override {
        in.reset();
        DllTest::TearDown();
    }

    // Runs a program that must succeed; answers what it printed.
    std::string Run(const std::string& program) {
        out.clear();
        RunResult r = in->RunText(program, "TEST");
        EXPECT_EQ(r.error, 0) << r.Describe() << "\nin:\n" << program;
        in->FinishOutput();
        return out;
    }
    // The printed form of one expression (?? prints it with no new line).
    std::string Show(const std::string& expr) {
        std::string s = Run("?? " + expr);
        if (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    }
    // Runs a program that must fail; answers how.
    RunResult Fails(const std::string& program) {
        out.clear();
        RunResult r = in->RunText(program, "TEST");
        EXPECT_NE(r.error, 0) << "expected an error from:\n" << program;
        in->FinishOutput();
        return r;
    }
    int ErrorOf(const std::string& expr) { return Fails("x = " + expr).error; }

    // A service block sent to the host as the library sends it.
    std::uint32_t Service(std::uint32_t code, std::uint32_t a1 = 0, std::uint32_t a2 = 0,
                          std::uint32_t a3 = 0, std::uint32_t a4 = 0) {
        ServiceBlock b{};
        b.arg1 = a1;
        b.arg2 = a2;
        b.arg3 = a3;
        b.arg4 = a4;
        b.code = code;
        host.Serve(&b);
        lastCode = b.code;
        return b.arg1;
    }
    void FreeHandle(std::uint32_t h) {
        std::vector<std::uint8_t> bytes(36 + 2 + 36, 0);
        auto* r = reinterpret_cast<RequestBlock*>(bytes.data());
        r->code = kReqFreeHandle;
        r->word0 = h;
        host.Request(r);
    }

    std::unique_ptr<Interpreter> in;
    std::string out;
    std::vector<std::string> reported;  // errors of event commands
    std::uint32_t lastCode = 0;
};

std::string Num(const std::string& digits) {  // a number as ? prints it
    std::size_t whole = digits.find('.');
    if (whole == std::string::npos) whole = digits.size();
    return std::string(whole < 10 ? 10 - whole : 0, ' ') + digits;
}

// --- expressions ---------------------------------------------------------------

TEST_F(InterpreterTest, OperatorsFollowTheHostsPrecedence) {
    struct Case {
        const char* expr;
        std::string shown;
    };
    const Case cases[] = {
        {"2 + 3 * 4", Num("14")},
        {"(2 + 3) * 4", Num("20")},
        {"10 - 4 - 3", Num("3")},        // left to right
        {"7 % 4 * 2", Num("7")},         // % ranks below * and /
        {"2 + 7 % 4", Num("5")},         // and above + and -
        {"24 / 4 / 2", Num("3.00")},
        {"2 ^ 3 ^ 2", Num("64.00")},     // left to right
        {"2 ** 3", Num("8.00")},
        {"-2 ^ 2", Num("4.00")},         // the sign binds first
        {"1 + 1 = 2", ".T."},            // comparisons below arithmetic
        {"1 < 2 = .T.", ".T."},          // comparisons left to right
        {"NOT .F. AND .F.", ".F."},      // NOT, then AND, then OR
        {".T. OR .F. AND .F.", ".T."},
        {"!(.T. AND .F.)", ".T."},
        {".T. .AND. .F. .OR. .T.", ".T."},
        {"\"a\" + \"b\" $ \"xaby\"", ".T."},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(c.expr), c.shown) << c.expr;
}

TEST_F(InterpreterTest, NumbersCarryTheirDecimals) {
    struct Case {
        const char* expr;
        std::string shown;
    };
    const Case cases[] = {
        {"1.25", Num("1.25")},
        {"1.25 + 1", Num("2.25")},           // + keeps the larger count
        {"1.250 - 0.25", Num("1.000")},
        {"1.5 * 1.5", Num("2.25")},          // * adds them up
        {"2 * 3.5", Num("7.0")},
        {"10 / 4", Num("2.50")},             // / keeps SET DECIMALS at least
        {"1.000 / 8", Num("0.125")},
        {"1 / 3", Num("0.33")},
        {"7 % 3", Num("1")},
        {"-7 % 3", Num("2")},                // the sign of the divisor
        {"7 % -3", Num("-2")},
        {"MOD(-7, 3)", Num("2")},
        {"2.675 * 1", Num("2.675")},
        {"ROUND(2.675, 2)", Num("2.68")},    // half away from zero
        {"ROUND(-2.5, 0)", Num("-3")},
        {"ROUND(1234.5, -2)", Num("1200")},
        {"INT(-3.7)", Num("-3")},
        {"123456789012", "123456789012"},    // wider than ten columns
        {"-0.5", Num("-0.5")},
        {"$12.50", Num("12.5000")},          // currency shows four decimals
        {"$2.50 * 2", Num("5.0000")},
        {"$10 / 4", Num("2.5000")},
        {"VAL(\"12\")", Num("12.00")},
        {"VAL(\" 3.125x\")", Num("3.125")},
        {"LEN(\"abc\")", Num("3")},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(c.expr), c.shown) << c.expr;
}

TEST_F(InterpreterTest, TypesOfOtherOperands) {
    EXPECT_EQ(Show("\"abc\" + \"def\""), "abcdef");
    EXPECT_EQ(Show("\"ab  \" - \"cd\" + \"|\""), "abcd  |");  // blanks move to the end
    EXPECT_EQ(Show("{^2024-03-01} - {^2024-02-01}"), Num("29"));
    EXPECT_EQ(Show("{^2024-12-31} + 1"), "01/01/25");
    EXPECT_EQ(Show("1 + {^2024-12-31}"), "01/01/25");
    EXPECT_EQ(Show("{^2024-03-01} - 1"), "02/29/24");
    EXPECT_EQ(Show("{^2024-01-31 23:59:30} + 45"), "02/01/24 12:00:15 AM");
    EXPECT_EQ(Show("{^2024-01-31 10:00:00} - {^2024-01-31 09:00:00}"), Num("3600"));
    EXPECT_EQ(Show(".NULL. + 1"), ".NULL.");
    EXPECT_EQ(Show(".NULL. = 1"), ".NULL.");
    EXPECT_EQ(Show(".F. AND .NULL."), ".F.");
    EXPECT_EQ(Show(".NULL. OR .T."), ".T.");
    EXPECT_EQ(Show(".NULL. AND .T."), ".NULL.");
    EXPECT_EQ(Show("TST_TEST(3) + 0.5"), Num("27.5"));  // a library integer counts as a number
    EXPECT_EQ(Show("VARTYPE(TST_TEST(3))"), "N");
}

TEST_F(InterpreterTest, OperandsOfTheWrongTypeRaiseTheHostsErrors) {
    EXPECT_EQ(ErrorOf("\"a\" + 1"), 107);
    EXPECT_EQ(ErrorOf("1 - \"a\""), 107);
    EXPECT_EQ(ErrorOf(".T. + 1"), 107);
    EXPECT_EQ(ErrorOf("-\"a\""), 107);
    EXPECT_EQ(ErrorOf("NOT 1"), 107);
    EXPECT_EQ(ErrorOf("1 AND .T."), 107);
    EXPECT_EQ(ErrorOf("\"a\" * \"b\""), 107);
    EXPECT_EQ(ErrorOf("{^2024-01-01} + {^2024-01-02}"), 107);
    EXPECT_EQ(ErrorOf("\"1\" = 1"), 107);
    EXPECT_EQ(ErrorOf(".T. < .F."), 107);
    EXPECT_EQ(ErrorOf("1 $ \"1\""), 107);
    EXPECT_EQ(ErrorOf("1 / 0"), 1307);
    EXPECT_EQ(ErrorOf("5 % 0"), 1307);
    EXPECT_EQ(ErrorOf("{^2024-02-30}"), 2034);
    EXPECT_EQ(ErrorOf("{^9999-12-31} + 1"), 2034);
    EXPECT_EQ(ErrorOf("1 +"), 10);
    EXPECT_EQ(ErrorOf("(1"), 10);
    EXPECT_EQ(ErrorOf("'abc"), 10);
    RunResult r = Fails("IF 1\nENDIF");
    EXPECT_EQ(r.error, 9) << "a condition must be logical";
}

TEST_F(InterpreterTest, LogicalOperatorsStopAtTheAnswer) {
    EXPECT_EQ(Show(".F. AND nosuchvar"), ".F.");
    EXPECT_EQ(Show(".T. OR nosuchvar"), ".T.");
    EXPECT_EQ(Show("IIF(.T., 1, nosuchvar)"), Num("1"));
    EXPECT_EQ(Show("IIF(.F., nosuchvar, \"no\")"), "no");
    EXPECT_EQ(Fails("? .T. AND nosuchvar").error, 12);
}

// --- string comparison -------------------------------------------------------------

TEST_F(InterpreterTest, StringComparisonFollowsSetExact) {
    // left, right, = with EXACT OFF, = with EXACT ON, ==
    struct Row {
        const char* left;
        const char* right;
        bool off, on, exact;
    };
    const Row rows[] = {
        {"abc", "abc", true, true, true},
        {"ab", "abc", false, false, false},
        {"abc", "ab", true, false, false},
        {"abc", "ab ", false, false, false},
        {"ab", "ab ", false, true, false},
        {"ab ", "ab", true, true, false},
        {"", "ab", false, false, false},
        {"ab", "", true, false, false},
        {"", "", true, true, true},
    };
    for (const Row& r : rows) {
        std::string cmp = std::string("\"") + r.left + "\" = \"" + r.right + "\"";
        std::string ne = std::string("\"") + r.left + "\" <> \"" + r.right + "\"";
        std::string same = std::string("\"") + r.left + "\" == \"" + r.right + "\"";
        Run("SET EXACT OFF");
        EXPECT_EQ(Show(cmp), r.off ? ".T." : ".F.") << cmp << " (OFF)";
        EXPECT_EQ(Show(ne), r.off ? ".F." : ".T.") << ne << " (OFF)";
        EXPECT_EQ(Show(same), r.exact ? ".T." : ".F.") << same;
        Run("SET EXACT ON");
        EXPECT_EQ(Show(cmp), r.on ? ".T." : ".F.") << cmp << " (ON)";
        EXPECT_EQ(Show(same), r.exact ? ".T." : ".F.") << same << " (ON)";
    }
    Run("SET EXACT OFF");
    EXPECT_EQ(Show("\"abd\" > \"abc\""), ".T.");
    EXPECT_EQ(Show("\"abcd\" >= \"abc\""), ".T.");  // compared up to the right text's end
    EXPECT_EQ(Show("\"abcd\" > \"abc\""), ".F.");
    EXPECT_EQ(Show("\"ab\" < \"abc\""), ".T.");
    EXPECT_EQ(Show("\"B\" < \"a\""), ".T.") << "machine order";
    EXPECT_EQ(Show("INLIST(\"abc\", \"x\", \"ab\")"), ".T.");
    Run("SET EXACT ON");
    EXPECT_EQ(Show("INLIST(\"abc\", \"x\", \"ab\")"), ".F.");
    EXPECT_EQ(Show("\"abcd\" > \"abc\""), ".T.");
}

// --- printing ------------------------------------------------------------------

TEST_F(InterpreterTest, PrintingStartsALineAndSeparatesValuesByABlank) {
    EXPECT_EQ(Run("? 1+1"), "\n" + Num("2") + "\n");
    EXPECT_EQ(Run("? \"a\", 1, .T., .NULL."), "\na " + Num("1") + " .T. .NULL.\n");
    EXPECT_EQ(Run("? \"a\"\n?? \"b\"\n??\"c\""), "\nabc\n");
    EXPECT_EQ(Run("?\n? \"x\""), "\n\nx\n");
    EXPECT_EQ(Run("?? 1"), Num("1") + "\n");
}

TEST_F(InterpreterTest, DatesPrintBySetDateAndSetCentury) {
    EXPECT_EQ(Show("{^2024-02-09}"), "02/09/24");
    EXPECT_EQ(Show("{}"), "  /  /  ");
    EXPECT_EQ(Show("{^2024-02-09 13:05:09}"), "02/09/24 01:05:09 PM");
    EXPECT_EQ(Show("{^2024-02-09 00:00:01}"), "02/09/24 12:00:01 AM");
    Run("SET CENTURY ON");
    EXPECT_EQ(Show("{^2024-02-09}"), "02/09/2024");
    Run("SET DATE BRITISH");
    EXPECT_EQ(Show("{^2024-02-09}"), "09/02/2024");
    Run("SET DATE GERMAN");
    EXPECT_EQ(Show("{^2024-02-09}"), "09.02.2024");
    Run("SET DATE ANSI");
    EXPECT_EQ(Show("{^2024-02-09}"), "2024.02.09");
    Run("SET DATE ITALIAN");
    EXPECT_EQ(Show("{^2024-02-09}"), "09-02-2024");
    Run("SET DATE JAPAN\nSET CENTURY OFF");
    EXPECT_EQ(Show("{^2024-02-09}"), "24/02/09");
    EXPECT_EQ(Show("DTOC({^2024-02-09})"), "24/02/09");
    EXPECT_EQ(Show("DTOS({^2024-02-09})"), "20240209");
    Run("SET DATE USA\nSET HOURS TO 24");
    EXPECT_EQ(Show("{^2024-02-09 13:05:09}"), "02-09-24 13:05:09");
    EXPECT_EQ(Fails("SET DATE NOWHERE").error, 36);
}

TEST_F(InterpreterTest, WaitWindowIsALineOfItsOwn) {
    EXPECT_EQ(Run("? \"a\"\nWAIT WINDOW \"busy\" NOWAIT\n? \"b\"\n?? \"c\""),
              "\na\nWAIT WINDOW: busy\nbc\n");
    EXPECT_EQ(Run("WAIT WINDOW \"x\" NOWAIT\n?? \"y\""), "WAIT WINDOW: x\ny\n");
    ASSERT_FALSE(host.waitWindows.empty());
    EXPECT_EQ(host.waitWindows.back(), "x");
}

// --- variables and procedures -------------------------------------------------------

TEST_F(InterpreterTest, PrivateIsSeenBelowLocalIsNot) {
    std::string program =
        "p = 'main'\n"
        "LOCAL l\n"
        "l = 'local'\n"
        "PUBLIC g\n"
        "g = 'public'\n"
        "DO one\n"
        "? p, TYPE('made'), g\n"
        "PROCEDURE one\n"
        "  ? TYPE('l'), p, g\n"      // the caller's local is not seen; its private is
        "  PRIVATE p\n"
        "  ? TYPE('p')\n"            // hidden until this procedure makes its own
        "  p = 'one'\n"
        "  made = 'by one'\n"
        "  DO two\n"
        "  ? p\n"
        "ENDPROC\n"
        "PROCEDURE two\n"
        "  ? p, made\n"
        "  p = 'set by two'\n"       // changes one's private
        "  LOCAL g\n"
        "  g = 'two'\n"
        "  DO three\n"
        "ENDPROC\n"
        "PROCEDURE three\n"
        "  ? g\n"                    // two's local is not seen: the public is
        "ENDPROC\n";
    EXPECT_EQ(Run(program),
              "\nU main public\nU\none by one\npublic\nset by two\nmain U public\n");
}

TEST_F(InterpreterTest, ParametersArePrivateOrLocal) {
    std::string program =
        "DO p1 WITH 1\n"
        "DO p2 WITH 2\n"
        "PROCEDURE p1\n"
        "  PARAMETERS a\n"
        "  DO show\n"
        "PROCEDURE p2\n"
        "  LPARAMETERS a\n"
        "  DO show\n"
        "PROCEDURE show\n"
        "  ? TYPE('a')\n";
    EXPECT_EQ(Run(program), "\nN\nU\n");
    EXPECT_EQ(Run("? f(1, 2), f(5)\n"
                  "FUNCTION f(a, b)\n"
                  "  RETURN PCOUNT() * 10 + IIF(VARTYPE(b) = 'L', 0, b)\n"
                  "ENDFUNC"),
              "\n" + Num("22") + " " + Num("10") + "\n");
    EXPECT_EQ(Fails("DO p WITH 1, 2\nPROCEDURE p\nPARAMETERS a").error, 1230);
    EXPECT_EQ(Fails("DO p WITH 1\nPROCEDURE p\n? 1").error, 1230);
}

TEST_F(InterpreterTest, DoPassesVariablesByReferenceCallsByValue) {
    std::string program =
        "x = 1\n"
        "DO bump WITH x\n"          // a variable: by reference
        "? x\n"
        "DO bump WITH (x)\n"        // in parentheses: by value
        "? x\n"
        "DO bump WITH x + 0\n"      // an expression: by value
        "? x\n"
        "y = twice(x)\n"            // a call: by value
        "? x, y\n"
        "y = twice(@x)\n"           // @: by reference
        "? x, y\n"
        "DIMENSION a(2)\n"
        "a = 5\n"
        "DO bump WITH a(1)\n"       // an element: by value
        "? a(1)\n"
        "DO fill WITH a\n"          // a whole array: by reference
        "? a(1), a(2)\n"
        "PROCEDURE bump\n"
        "  PARAMETERS n\n"
        "  n = n + 1\n"
        "ENDPROC\n"
        "FUNCTION twice\n"
        "  LPARAMETERS n\n"
        "  n = n * 2\n"
        "  RETURN n\n"
        "ENDFUNC\n"
        "PROCEDURE fill\n"
        "  PARAMETERS arr\n"
        "  arr(2) = 'z'\n"
        "ENDPROC\n";
    EXPECT_EQ(Run(program), "\n" + Num("2") + "\n" + Num("2") + "\n" + Num("2") + "\n" + Num("2") + " " +
                                Num("4") + "\n" + Num("4") + " " + Num("4") + "\n" + Num("5") + "\n" +
                                Num("5") + " z\n");
}

TEST_F(InterpreterTest, ArraysHaveOneOrTwoDimensions) {
    EXPECT_EQ(Run("DIMENSION a(3)\n? a(1), ALEN(a)\na = 0\na(3) = 7\n? a(1) + a(3)"),
              "\n.F. " + Num("3") + "\n" + Num("7") + "\n");
    EXPECT_EQ(Run("DIMENSION m(2, 3)\nm(2, 1) = 'x'\n? m(4), ALEN(m, 1), ALEN(m, 2), ALEN(m)\n"
                  "DIMENSION m(3, 3)\n? m(2, 1), m(3, 3)"),
              "\nx " + Num("2") + " " + Num("3") + " " + Num("6") + "\nx .F.\n");
    EXPECT_EQ(Run("LOCAL ARRAY b[2]\nb[2] = 'two'\n? b[2]"), "\ntwo\n");
    EXPECT_EQ(Fails("DIMENSION a(3)\n? a(4)").error, 31);
    EXPECT_EQ(Fails("DIMENSION a(2, 2)\n? a(1, 3)").error, 31);
    EXPECT_EQ(Fails("DIMENSION a(0)").error, 31);
    EXPECT_EQ(Fails("x = 1\n? x[1]").error, 232);
}

TEST_F(InterpreterTest, ControlStructures) {
    EXPECT_EQ(Run("FOR i = 1 TO 10 STEP 4\n?? i\nENDFOR\n? i"),
              Num("1") + Num("5") + Num("9") + "\n" + Num("13") + "\n");
    EXPECT_EQ(Run("FOR i = 3 TO 1 STEP -1\n?? STR(i, 1)\nNEXT"), "321\n");
    EXPECT_EQ(Run("FOR i = 1 TO 0\n? 'never'\nENDFOR"), "");
    EXPECT_EQ(Run("n = 0\nDO WHILE .T.\nn = n + 1\nIF n % 2 = 0\nLOOP\nENDIF\nIF n > 6\nEXIT\nENDIF\n?? STR(n, 1)\nENDDO"),
              "135\n");
    EXPECT_EQ(Run("x = 2\nDO CASE\nCASE x = 1\n? 'one'\nCASE x = 2\n? 'two'\nCASE x = 2\n? 'again'\nOTHERWISE\n? 'other'\nENDCASE"),
              "\ntwo\n");
    EXPECT_EQ(Run("DO CASE\nCASE .F.\n? 1\nOTHERWISE\n? 'other'\nENDCASE"), "\nother\n");
    EXPECT_EQ(Run("IF .F.\n? 1\nELSE\nIF .T.\n? 'inner'\nENDIF\nENDIF"), "\ninner\n");
    EXPECT_EQ(Run("DIMENSION a(3)\na(1) = 'x'\na(2) = 'y'\na(3) = 'z'\nFOR EACH e IN a\n?? e\nENDFOR"), "xyz\n");
    EXPECT_EQ(Run("? f(5)\nFUNCTION f\nLPARAMETERS n\nIF n <= 1\nRETURN 1\nENDIF\nRETURN n * f(n - 1)"),
              "\n" + Num("120") + "\n");
    EXPECT_EQ(Run("x = 1 + ;\n  2\n? x  && a comment\n* a comment line\nNOTE another"), "\n" + Num("3") + "\n");
}

TEST_F(InterpreterTest, KeywordsAndNamesIgnoreCase) {
    EXPECT_EQ(Run("Local aB\nab = 'v'\nif AB == 'v'\n? upper(Ab), Tst_Test(3)\nendif"),
              "\nV " + Num("27") + "\n");
    EXPECT_EQ(Run("STOR 4 TO q\nPROC_RESULT = SUBS('abcdef', 2, 3)\n? q, proc_result"),
              "\n" + Num("4") + " bcd\n");
}

TEST_F(InterpreterTest, SourceTextForms) {
    // A byte-order mark, CR LF and CR line ends, tabs, continued comments.
    EXPECT_EQ(Run("\xEF\xBB\xBF* first\r\n\tx = 1\r? x\r\n* a comment;\ncontinued\n?? 'y' && trailing"),
              "\n" + Num("1") + "y\n");
    RunResult r = Fails("\r\n\r\nx = nosuch");
    EXPECT_EQ(r.line, 3);
}

// --- errors ---------------------------------------------------------------------------

TEST_F(InterpreterTest, ErrorsCarryNumberTextAndLine) {
    RunResult r = Fails("x = 1\n\n? x\ny = nosuch + 1\n? 'not reached'");
    EXPECT_EQ(r.error, 12);
    EXPECT_EQ(r.message, "Variable 'NOSUCH' is not found.");
    EXPECT_EQ(r.line, 4);
    EXPECT_EQ(r.procedure, "TEST");
    EXPECT_EQ(out, "\n" + Num("1") + "\n");

    r = Fails("DO p\n* comment\nPROCEDURE p\n  x = 1\n  x = x + 'a'\nENDPROC");
    EXPECT_EQ(r.error, 107);
    EXPECT_EQ(r.line, 5) << "the line in the file";
    EXPECT_EQ(r.procedure, "P");
    EXPECT_EQ(r.Describe(), "Error 107 at line 5 (P): Operator/operand type mismatch.");

    r = Fails("x = ;\n  1 +\n");
    EXPECT_EQ(r.error, 10);
    EXPECT_EQ(r.line, 1) << "a continued statement counts from its first line";

    r = Fails("? 'ran'\n? 1 +* 2\n");
    EXPECT_EQ(r.error, 10);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(out, "\nran\n") << "a bad statement fails when it is reached";

    r = Fails("? 'never'\nIF .T.\n? 1\n");
    EXPECT_EQ(r.error, 1211) << "blocks must pair up before anything runs";
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Fails("ENDIF").error, 1211);
    EXPECT_EQ(Fails("FOR i = 1 TO 2\nENDDO").error, 96);
    EXPECT_EQ(Fails("IF .T.\nEXIT\nENDIF").error, 96) << "EXIT outside a loop";
    EXPECT_EQ(Fails("DO WHILE .F.\nENDDO\nLOOP").error, 96);
    r = Fails("? 'ran'\nx = f()\nFUNCTION f(\nRETURN 1");
    EXPECT_EQ(r.error, 10) << "a PROCEDURE line that does not parse fails when called";
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(Fails("&").error, 10);

    EXPECT_EQ(Fails("frobnicate 12").error, 16);
    r = Fails("x = nosuchfunction(1)");
    EXPECT_EQ(r.error, 1);
    EXPECT_EQ(r.message, "File 'nosuchfunction.prg' does not exist.");
    EXPECT_EQ(Fails("DO nowhere").error, 1);
    EXPECT_EQ(Fails("x = LEN()").error, 1229);
    EXPECT_EQ(Fails("x = LEN('a', 'b')").error, 1230);
    EXPECT_EQ(Fails("x = LEN(1)").error, 11);
    EXPECT_EQ(Fails("x = CHR(256)").error, 11);
    EXPECT_EQ(Fails("ERROR 1307").error, 1307);
    r = Fails("ERROR 'my text'");
    EXPECT_EQ(r.error, 1098);
    EXPECT_EQ(r.message, "my text");
}

TEST_F(InterpreterTest, LibraryFunctionsAreCheckedAgainstTheirTypeString) {
    EXPECT_EQ(Show("TST_TEST(3)"), Num("27"));
    EXPECT_EQ(Show("tst_test(3.7)"), Num("27")) << "N converted to the declared I";
    RunResult r = Fails("x = TST_TEST('3')");
    EXPECT_EQ(r.error, 11);
    EXPECT_EQ(r.message, "Function argument value, type, or count is invalid.");
    EXPECT_EQ(Fails("x = TST_TEST()").error, 11);
    EXPECT_EQ(Fails("x = TST_TEST(1, 2)").error, 11);
    EXPECT_EQ(Fails("x = TST_TEST(@nosuch)").error, 12);
    EXPECT_EQ(Show("MIS_NOTHING()"), ".T.") << "a function that returns nothing gives .T.";
    EXPECT_EQ(Show("MIS_NOTHIN(1, 'a', .T., {^2024-01-01}, .NULL.)"), ".T.");
    EXPECT_EQ(Fails("x = TARVOIN()").error, 1) << "the hooks are not callable";
}

TEST_F(InterpreterTest, TryCatchFinallyAndOnError) {
    EXPECT_EQ(Run("TRY\n  x = 1 / 0\n  ? 'no'\nCATCH TO e\n  ? e.ErrorNo, e.LineNo, ERROR(), MESSAGE()\n"
                  "  ? e.LineContents\nFINALLY\n  ? 'finally'\nENDTRY\n? 'after'"),
              "\n" + Num("1307") + " " + Num("2") + " " + Num("1307") + " Division by zero.\n"
              "x = 1 / 0\nfinally\nafter\n");
    // An error in a procedure called inside TRY is caught there.
    EXPECT_EQ(Run("TRY\n  DO p\nCATCH TO e\n  ? e.ErrorNo, e.Procedure\nENDTRY\nPROCEDURE p\nx = nosuch"),
              "\n" + Num("12") + " P\n");
    EXPECT_EQ(Run("TRY\n  THROW 'mine'\nCATCH TO e WHEN e.ErrorNo = 12\n  ? 'wrong'\nCATCH TO e\n"
                  "  ? e.ErrorNo, e.UserValue\nENDTRY"),
              "\n" + Num("2071") + " mine\n");
    // Uncaught by any CATCH: FINALLY runs, then the error goes on.
    RunResult r = Fails("TRY\n  x = nosuch\nFINALLY\n  ? 'cleanup'\nENDTRY\n? 'not reached'");
    EXPECT_EQ(r.error, 12);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(out, "\ncleanup\n");
    // TRY inside a loop: EXIT leaves both.
    EXPECT_EQ(Run("FOR i = 1 TO 5\nTRY\nIF i = 3\nEXIT\nENDIF\nFINALLY\n?? STR(i, 1)\nENDTRY\nENDFOR"), "123\n");
    // ON ERROR runs its command and goes on with the next line; TRY comes first.
    EXPECT_EQ(Run("ON ERROR ? 'handled', ERROR(), LINENO()\nx = nosuch\n? 'next'\n"
                  "TRY\n  y = nosuch\nCATCH\n  ? 'try wins'\nENDTRY\nON ERROR\n"),
              "\nhandled " + Num("12") + " " + Num("2") + "\nnext\ntry wins\n");
    EXPECT_EQ(Fails("ON ERROR ? 'x'\nON ERROR\ny = nosuch").error, 12);
}

// Exceptions caught TO a variable are objects; the ones nothing refers to
// any more are dropped, the others stay whole.
TEST_F(InterpreterTest, ObjectsStayWhileReferenced) {
    EXPECT_EQ(Run("o = CREATEOBJECT('Empty')\n"
                  "ADDPROPERTY(o, 'child', CREATEOBJECT('Custom'))\n"
                  "o.child.Name = 'kept'\n"
                  "DIMENSION keep(1)\n"
                  "FOR i = 1 TO 5000\n"
                  "  TRY\n"
                  "    THROW i\n"
                  "  CATCH TO e\n"
                  "    IF i = 7\n"
                  "      keep(1) = e\n"
                  "    ENDIF\n"
                  "  ENDTRY\n"
                  "ENDFOR\n"
                  "? keep(1).UserValue, e.UserValue, o.child.Name, f(CREATEOBJECT('Custom'))\n"
                  "FUNCTION f\n"
                  "LPARAMETERS obj\n"
                  "FOR k = 1 TO 2000\n"
                  "  t = CREATEOBJECT('Empty')\n"
                  "ENDFOR\n"
                  "RETURN obj.Class\n"),
              "\n" + Num("7") + " " + Num("5000") + " kept Custom\n");
    EXPECT_EQ(Fails("x = 1\n? x.Name").error, 1924);
    EXPECT_EQ(Fails("o = CREATEOBJECT('Custom')\n? o.Missing").error, 1734);
    EXPECT_EQ(Fails("o = CREATEOBJECT('NoSuchClass')").error, 1733);
}

TEST_F(InterpreterTest, RecursionIsBoundedByAHostError) {
    RunResult r = Fails("DO p\nPROCEDURE p\nDO p");
    EXPECT_EQ(r.error, 1308);
    r = Fails("x = 'EVALUATE(x)'\n? EVALUATE(x)");
    EXPECT_EQ(r.error, 1308);
    std::string deep = "x = " + std::string(500, '(') + "1" + std::string(500, ')');
    EXPECT_EQ(Fails(deep).error, 1308);
}

TEST_F(InterpreterTest, MacrosAndEvaluate) {
    EXPECT_EQ(Run("n = 'x'\nx = 41\n? &n + 1, EVALUATE('x + 2'), TYPE('x'), TYPE('nosuch'), TYPE('1 +')"),
              "\n" + Num("42") + " " + Num("43") + " N U U\n");
    EXPECT_EQ(Run("c = '? \"from a macro\"'\n&c"), "\nfrom a macro\n");
    EXPECT_EQ(Run("p = 'target'\nDO &p\nPROCEDURE target\n? 'reached'"), "\nreached\n");
    EXPECT_EQ(Run("p = 'target'\nDO (p)\nPROCEDURE target\n? 'reached'"), "\nreached\n");
}

TEST_F(InterpreterTest, BuiltInFunctions) {
    struct Case {
        const char* expr;
        std::string shown;
    };
    const Case cases[] = {
        {"SUBSTR('hello', 2, 3)", "ell"},
        {"SUBSTR('hello', 4)", "lo"},
        {"SUBSTR('hello', 9)", ""},
        {"LEFT('hello', 2) + RIGHT('hello', 2)", "helo"},
        {"'[' + ALLTRIM('  a b  ') + LTRIM('  c ') + RTRIM(' d  ') + ']'", "[a bc  d]"},
        {"PADL('7', 3, '0') + PADR('a', 3) + PADC('x', 5, '*')", "007a  **x**"},
        {"PADL('abcdef', 3)", "abc"},
        {"SPACE(2) + REPLICATE('ab', 3)", "  ababab"},
        {"CHR(65) + CHR(97)", "Aa"},
        {"LEN(CHR(0) + 'a')", Num("2")},
        {"ASC('A')", Num("65")},
        {"AT('l', 'hello')", Num("3")},
        {"AT('l', 'hello', 2)", Num("4")},
        {"AT('z', 'hello')", Num("0")},
        {"RAT('l', 'hello')", Num("4")},
        {"ATC('L', 'hello')", Num("3")},
        {"OCCURS('l', 'hello')", Num("2")},
        {"STRTRAN('a-b-c', '-', '+')", "a+b+c"},
        {"STRTRAN('a-b-c', '-')", "abc"},
        {"STRTRAN('a-b-c-d', '-', '+', 2, 1)", "a-b+c-d"},
        {"STUFF('abcdef', 2, 3, 'XY')", "aXYef"},
        {"UPPER('abc') + LOWER('DEF') + PROPER('gh ij')", "ABCdefGh Ij"},
        {"STR(3.14159)", "         3"},
        {"STR(3.14159, 6, 2)", "  3.14"},
        {"STR(1234567, 5)", "1E+06"},      // a whole number too wide: scientific
        {"STR(1234567.5, 5)", "*****"},    // a fraction too wide: stars
        {"STR(1234.56, 6, 2)", "1234.6"},
        {"TRANSFORM(1234.5, '9,999.99')", "1,234.50"},
        {"TRANSFORM(5)", "5"},
        {"TRANSFORM(1.50)", "1.50"},
        {"TRANSFORM('abc', '@!')", "ABC"},
        {"TRANSFORM(255, '@0')", "0x000000FF"},
        {"TRANSFORM(-1234.5, '99,999.99')", "-1,234.50"},
        {"TRANSFORM(-5, '@L 999')", "-05"},
        {"TRANSFORM(12345, '99')", "**"},
        {"TRANSFORM('abc', 'XX!X')", "abC "},
        {"INT(7.9) + ABS(-4)", Num("11")},
        {"MIN(3, 1, 2)", Num("1")},
        {"MAX('a', 'c', 'b')", "c"},
        {"BETWEEN(5, 1, 10)", ".T."},
        {"INLIST(3, 1, 2)", ".F."},
        {"EMPTY('  ')", ".T."},
        {"EMPTY(0) AND EMPTY({}) AND EMPTY(.F.)", ".T."},
        {"EMPTY('a')", ".F."},
        {"VARTYPE(1) + VARTYPE('a') + VARTYPE({}) + VARTYPE(.T.) + VARTYPE($1) + VARTYPE(.NULL.)", "NCDLYX"},
        {"TYPE('1') + TYPE('\"a\"') + TYPE('{^2024-01-01 1:00}')", "NCT"},
        {"YEAR({^2024-02-29}) * 10000 + MONTH({^2024-02-29}) * 100 + DAY({^2024-02-29})", Num("20240229")},
        {"DOW({^2024-02-29})", Num("5")},
        {"CDOW({^2024-02-29}) + ' ' + CMONTH({^2024-02-29})", "Thursday February"},
        {"DATE(2024, 1, 31)", "01/31/24"},
        {"DATETIME(2024, 1, 31, 22, 5, 1)", "01/31/24 10:05:01 PM"},
        {"TTOC({^2024-01-31 13:20:30}, 1)", "20240131132030"},
        {"GOMONTH({^2024-01-31}, 1)", "02/29/24"},
        {"CTOD('12/25/23')", "12/25/23"},
        {"HOUR({^2024-01-31 13:20:30}) + MINUTE({^2024-01-31 13:20:30}) + SEC({^2024-01-31 13:20:30})", Num("63")},
        {"NVL(.NULL., 'x')", "x"},
        {"ISNULL(.NULL.)", ".T."},
        {"BITAND(12, 10) + BITOR(12, 10) + BITXOR(12, 10)", Num("28")},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(c.expr), c.shown) << c.expr;
    EXPECT_EQ(Show("DATE() = TTOD(DATETIME())"), ".T.");
    EXPECT_EQ(Show("BETWEEN(SECONDS(), 0, 86400)"), ".T.");
}

TEST_F(InterpreterTest, FilesThroughBuiltInFunctions) {
    std::string dir = ScratchDir("interp-files");
    in->SetVariable("dir", Value::Char(dir + "\\"));
    EXPECT_EQ(Run("f = dir + 'a.txt'\n? FILE(f), STRTOFILE('one' + CHR(13) + CHR(10), f), FILE(f)\n"
                  "? STRTOFILE('two', f, .T.), LEN(FILETOSTR(f))\n"
                  "ERASE (f)\n? FILE(f)"),
              "\n.F. " + Num("5") + " .T.\n" + Num("3") + " " + Num("8") + "\n.F.\n");
    EXPECT_EQ(Fails("? FILETOSTR(dir + 'missing.txt')").error, 1);
    EXPECT_EQ(Fails("ERASE (dir + 'missing.txt')").error, 1);
}

// --- services for the library -------------------------------------------------------

TEST_F(InterpreterTest, ExecuteCommandRunsInTheCurrentContextAndAnswersErrors) {
    EXPECT_EQ(host.hooks.executeCommand("cmdvar = 6 * 7"), 0);
    Value v;
    ASSERT_TRUE(in->GetVariable("cmdvar", &v));
    EXPECT_EQ(v.number, 42);
    EXPECT_EQ(host.hooks.executeCommand(""), 0) << "the empty command";
    EXPECT_EQ(host.hooks.executeCommand("x = nosuch"), 12);
    EXPECT_EQ(host.hooks.executeCommand("x = 1 +"), 10);
    EXPECT_EQ(host.hooks.executeCommand("frobnicate"), 16);
    EXPECT_EQ(host.hooks.executeCommand("IF .T."), 1211);
    EXPECT_EQ(host.hooks.executeCommand("x = TST_TEST('a')"), 11);
    // A command that calls the library again.
    EXPECT_EQ(host.hooks.executeCommand("viaLibrary = TST_TEST(3)"), 0);
    ASSERT_TRUE(in->GetVariable("viaLibrary", &v));
    EXPECT_EQ(v.integer, 27);
    // ON ERROR does not see an error in a command the library sent.
    out.clear();
    EXPECT_EQ(host.hooks.executeCommand("ON ERROR ? 'handler'"), 0);
    EXPECT_EQ(host.hooks.executeCommand("x = nosuch"), 12);
    EXPECT_EQ(out, "");
}

TEST_F(InterpreterTest, EvaluateExpressionFillsTheRecordOnlyOnSuccess) {
    Run("a = 20");
    std::vector<char> text(64);
    ValueRecord rec{};
    std::strcpy(text.data(), "a + 22");
    EXPECT_EQ(Service(kSvcEvaluateExpression, Addr(&rec), Addr(text.data())), 0u);
    EXPECT_EQ(rec.type, 'N');
    EXPECT_EQ(rec.number, 42);
    EXPECT_EQ(rec.integer, 42) << "whole part in the integer field too";
    std::strcpy(text.data(), "UPPER('abc')");
    EXPECT_EQ(Service(kSvcEvaluateExpression, Addr(&rec), Addr(text.data())), 0u);
    EXPECT_EQ(rec.type, 'C');
    EXPECT_EQ(host.HandleText(rec.handle, static_cast<std::size_t>(rec.length)), "ABC");
    FreeHandle(rec.handle);
    ValueRecord untouched{};
    untouched.type = 'X';
    std::strcpy(text.data(), "nosuch * 2");
    EXPECT_EQ(Service(kSvcEvaluateExpression, Addr(&untouched), Addr(text.data())), 12u);
    EXPECT_EQ(untouched.type, 'X');
    // The text of that error, as GetErrorInfo gives it.
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(Service(kSvcGetErrorInfo, 12, Addr(buffer)), 12u);
    EXPECT_STREQ(buffer, "Variable 'NOSUCH' is not found.");
    EXPECT_EQ(Service(kSvcGetErrorInfo, 1307, Addr(buffer)), 1307u);
    EXPECT_STREQ(buffer, "Division by zero.");
    std::strcpy(text.data(), "TST_TEST(5)");  // an expression that calls the library again
    EXPECT_EQ(Service(kSvcEvaluateExpression, Addr(&rec), Addr(text.data())), 0u);
    EXPECT_EQ(rec.type, 'I');
    EXPECT_EQ(rec.integer, 5);
}

TEST_F(InterpreterTest, VariablesByLocator) {
    Run("s = 'text'\nn = 2.5\nd = {^2024-01-31}");
    VariableLocator loc{};
    loc.type = 'R';
    loc.workArea = -1;
    auto locate = [&](const char* name) {
        std::uint32_t id = in->Locate(name);
        std::memcpy(loc.reference, &id, 4);
        return id;
    };
    int before = host.HandlesInUse();
    ValueRecord rec{};
    std::uint32_t sid = locate("s");
    ASSERT_NE(sid, 0u);
    EXPECT_EQ(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(rec.type, 'C');
    EXPECT_EQ(host.HandleText(rec.handle, static_cast<std::size_t>(rec.length)), "text");
    FreeHandle(rec.handle);  // the library may free it
    EXPECT_EQ(host.HandlesInUse(), before);

    locate("n");
    EXPECT_EQ(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(rec.type, 'N');
    EXPECT_EQ(rec.number, 2.5);
    EXPECT_EQ(rec.length, 1) << "the decimals";
    rec.number = 7.25;
    rec.length = 2;
    EXPECT_EQ(Service(kSvcStoreVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(Show("n"), Num("7.25"));

    locate("d");
    EXPECT_EQ(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(rec.type, 'D');
    EXPECT_EQ(rec.number, 2460341);

    // A library integer stored in a variable loads as N.
    Run("i = TST_TEST(3)");
    locate("i");
    EXPECT_EQ(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(rec.type, 'N');
    EXPECT_EQ(rec.number, 27);

    // A released variable and an unknown id answer the host's negative error.
    std::uint32_t gone = locate("s");
    Run("RELEASE s");
    EXPECT_EQ(static_cast<std::int32_t>(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec))), -12);
    EXPECT_EQ(static_cast<std::int32_t>(Service(kSvcStoreVariable, Addr(&loc), Addr(&rec))), -12);
    in->Forget(gone);
    std::uint32_t unknown = 0x7ffffff0;
    std::memcpy(loc.reference, &unknown, 4);
    EXPECT_EQ(static_cast<std::int32_t>(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec))), -12);
    EXPECT_EQ(in->Locate("nosuch"), 0u);
}

TEST_F(InterpreterTest, LibraryOutputGoesThroughTheInterpreter) {
    out.clear();
    char text[] = "Problem\n";
    Service(kSvcPutString, Addr(text));
    EXPECT_EQ(out, "Problem\n");
    Run("? 'a'");
    EXPECT_EQ(out, "\na\n");
}

// With KERNEL.DLL missing the load hook sends a WAIT WINDOW command; here
// the command first makes the interpreter call the library again, inside the
// hook's own request (a nested DispatchAPI), then runs as sent.
using InterpreterWithoutCompanion = WithoutCompanion<InterpreterTest>;

TEST_F(InterpreterWithoutCompanion, CommandsFromInsideTheLibraryMayCallItAgain) {
    in.reset();
    host.Unload();
    in = std::make_unique<Interpreter>(host);
    in->lineEnd = "\n";
    in->write = [this](const std::string& s) { out += s; };
    auto interpreterHook = host.hooks.executeCommand;
    std::vector<int> answers;
    host.hooks.executeCommand = [&](const std::string& command) {
        answers.push_back(interpreterHook("nested = TST_TEST(3)"));
        answers.push_back(interpreterHook("SET LIBRARY TO TARVO.fll"));
        answers.push_back(interpreterHook(command));
        return answers.back();
    };
    in->defaultLibrary = BesideExe("TARVO.fll");
    std::string why;
    ASSERT_TRUE(in->LoadDefaultLibrary(&why)) << why;
    EXPECT_EQ(answers, (std::vector<int>{0, 3, 0})) << "the library cannot be replaced while it runs";
    Value v;
    ASSERT_TRUE(in->GetVariable("nested", &v));
    EXPECT_EQ(v.integer, 27);
    in->FinishOutput();
    EXPECT_EQ(out, "WAIT WINDOW: Kernel not found\n");
    EXPECT_EQ(Show("TST_TEST(4)"), Num("4")) << "the library still works";
    host.hooks.executeCommand = interpreterHook;
    in->UnloadLibrary();
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
}

TEST_F(InterpreterTest, SetLibraryLoadsAndReleasesTheLibrary) {
    in->libraryFolders.push_back(BesideExe(""));
    EXPECT_EQ(Show("TST_TEST(2)"), Num("2"));
    EXPECT_EQ(Run("RELEASE LIBRARY\n? TYPE('TST_TEST(1)')"), "\nU\n");
    EXPECT_FALSE(host.loaded());
    EXPECT_EQ(Fails("x = TST_TEST(1)").error, 1);
    EXPECT_EQ(Run("SET LIBRARY TO tarvo\n? TST_TEST(5)"), "\n" + Num("5") + "\n");
    EXPECT_TRUE(host.loaded());
    RunResult r = Fails("SET LIBRARY TO nosuchlibrary.fll");
    EXPECT_EQ(r.error, 1);
    EXPECT_EQ(r.message, "File 'nosuchlibrary.fll' does not exist.");
    EXPECT_EQ(Run("SET LIBRARY TO\n? TYPE('TST_TEST(1)')"), "\nU\n");
    EXPECT_EQ(Run("SET LIBRARY TO TARVO.FLL\n? TST_TEST(1)"), "\n" + Num("1") + "\n");
}

// A thread timer fires while the program serves its messages (DOEVENTS, or
// WAIT ... TIMEOUT); the command it sends runs in the procedure running then.
Interpreter* g_timerTarget = nullptr;
std::string g_timerCommand;
int g_timerFired = 0;

void CALLBACK TimerCommand(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ++g_timerFired;
    g_timerTarget->ExecuteFromLibrary(g_timerCommand);
}

TEST_F(InterpreterTest, DoEventsServesThreadTimers) {
    g_timerTarget = in.get();
    g_timerFired = 0;
    g_timerCommand = "ticks = ticks + 1";
    Run("ticks = 0");
    SetTimer(nullptr, 0, 1, TimerCommand);
    Sleep(50);
    EXPECT_EQ(Run("? ticks\nDOEVENTS\n? ticks"), "\n" + Num("0") + "\n" + Num("1") + "\n");
    SetTimer(nullptr, 0, 20, TimerCommand);
    EXPECT_EQ(Run("WAIT WINDOW 'w' TIMEOUT 0.3\n? ticks"), "WAIT WINDOW: w\n" + Num("2") + "\n");
    EXPECT_EQ(g_timerFired, 2);

    g_timerCommand = "seen = mine + ' seen'";
    SetTimer(nullptr, 0, 1, TimerCommand);
    Sleep(50);
    EXPECT_EQ(Run("seen = 'unset'\nDO p\n? seen\nPROCEDURE p\nLOCAL mine\nmine = 'local of p'\nDOEVENTS"),
              "\nlocal of p seen\n");
    EXPECT_EQ(g_timerFired, 3);
}

// --- file channels -----------------------------------------------------------------

TEST_F(InterpreterTest, FileChannelsServeTheLibrarysNeeds) {
    std::string dir = ScratchDir("channels");
    std::string name = dir + "\\c.txt";
    auto i32 = [](std::uint32_t v) { return static_cast<std::int32_t>(v); };
    EXPECT_EQ(i32(Service(kSvcHostFileOpen, Addr(name.c_str()), 0, 0)), -1) << "missing file";
    // Create with mode 0 still gives a writable, empty file.
    std::int32_t ch = i32(Service(kSvcHostFileOpen, Addr(name.c_str()), 0, 1));
    ASSERT_GT(ch, 0);
    char line1[] = "first";
    char line2[] = "";
    char block[] = "tail";
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(line1), 0, kIoWriteLine)), 7);
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(line2), 0, kIoWriteLine)), 2);
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(block), 4, kIoWriteBlock)), 4);
    EXPECT_EQ(i32(Service(kSvcHostFileSeek, static_cast<std::uint32_t>(ch), 0, 1)), 13) << "current";
    EXPECT_EQ(i32(Service(kSvcHostFileSeek, static_cast<std::uint32_t>(ch), 0, 2)), 13) << "end";
    EXPECT_NE(i32(Service(kSvcHostFileEof, static_cast<std::uint32_t>(ch))), 0);
    EXPECT_EQ(i32(Service(kSvcHostFileSeek, static_cast<std::uint32_t>(ch), 0, 0)), 0) << "start";
    EXPECT_EQ(i32(Service(kSvcHostFileEof, static_cast<std::uint32_t>(ch))), 0);
    // Lines come without their line ends, zero-terminated, cut to the buffer.
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(buf), 4, kIoReadLine)), 3);
    EXPECT_STREQ(buf, "fir");
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(buf), sizeof buf, kIoReadLine)), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(buf), sizeof buf, kIoReadLine)), 4);
    EXPECT_STREQ(buf, "tail");
    EXPECT_NE(i32(Service(kSvcHostFileEof, static_cast<std::uint32_t>(ch))), 0) << "right after the last line";
    EXPECT_EQ(i32(Service(kSvcHostFileSeek, static_cast<std::uint32_t>(ch), -4, 2)), 9);
    std::memset(buf, 0, sizeof buf);
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(buf), 10, kIoReadBlock)), 4);
    EXPECT_EQ(std::string(buf), "tail");
    EXPECT_EQ(i32(Service(kSvcHostFileSeek, static_cast<std::uint32_t>(ch), -2, 1)), 11);
    EXPECT_EQ(i32(Service(kSvcHostFileClose, static_cast<std::uint32_t>(ch), 1)), 0);
    EXPECT_EQ(i32(Service(kSvcHostFileClose, static_cast<std::uint32_t>(ch), 1)), -1) << "closed already";
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(buf), 4, kIoReadBlock)), -1);
    // The bytes on disk: CR LF line ends.
    in->SetVariable("f", Value::Char(name));
    EXPECT_EQ(Show("FILETOSTR(f) == 'first' + CHR(13) + CHR(10) + CHR(13) + CHR(10) + 'tail'"), ".T.");
    // Read and write (mode 2) keeps the contents; create truncates.
    ch = i32(Service(kSvcHostFileOpen, Addr(name.c_str()), 2, 0));
    ASSERT_GT(ch, 0);
    EXPECT_EQ(i32(Service(kSvcHostFileIo, static_cast<std::uint32_t>(ch), Addr(block), 4, kIoWriteBlock)), 4);
    EXPECT_EQ(i32(Service(kSvcHostFileClose, static_cast<std::uint32_t>(ch), 1)), 0);
    EXPECT_EQ(Show("LEFT(FILETOSTR(f), 6)"), "tailt" "\r");
    ch = i32(Service(kSvcHostFileOpen, Addr(name.c_str()), 2, 1));
    ASSERT_GT(ch, 0);
    EXPECT_NE(i32(Service(kSvcHostFileEof, static_cast<std::uint32_t>(ch))), 0) << "truncated";
    EXPECT_EQ(i32(Service(kSvcHostFileClose, static_cast<std::uint32_t>(ch), 1)), 0);
}

// --- the event loop ------------------------------------------------------------------

// The host's test timers send their commands through the command service, as
// the library's timers do. READ EVENTS serves them until one clears the
// events; a CLEAR EVENTS with no READ EVENTS running ends nothing.
TEST_F(InterpreterTest, ReadEventsServesTimersUntilAClearEvents) {
    Run("CLEAR EVENTS");
    std::uintptr_t timer = host.StartTimer(1, "DO tick");
    ASSERT_NE(timer, 0u);
    host.trace.clear();
    EXPECT_EQ(Run("n = 0\n"
                  "READ EVENTS\n"
                  "? 'after', n\n"
                  "PROCEDURE tick\n"
                  "  n = n + 1\n"
                  "  IF n = 3\n"
                  "    CLEAR EVENTS\n"
                  "    ?? 'cleared'\n"  // the command still runs to its end
                  "  ENDIF\n"),
              "cleared\nafter " + Num("3") + "\n");
    host.StopTimer(timer);
    int sent = 0;
    for (const run::Trace& t : host.trace)
        if (t.code == kSvcExecuteCommand && t.text == "DO tick") ++sent;
    EXPECT_EQ(sent, 3) << "READ EVENTS returns right after the command that cleared it";
    EXPECT_EQ(Run("= INKEY(0.05)\n? n"), "\n" + Num("3") + "\n") << "a stopped timer sends nothing";
}

// A command a timer sends while the program serves its messages is a unit
// of the program's work: its error goes to ON ERROR (and the command goes on
// after the failing line), or ends that command only and is reported. The
// program goes on; its TRY around the message loop does not catch.
TEST_F(InterpreterTest, AnErrorInATimersCommandFollowsOnErrorOrIsReported) {
    std::uintptr_t timer = host.StartTimer(1, "DO tick");
    EXPECT_EQ(Run("n = 0\n"
                  "ON ERROR DO handler WITH ERROR(), LINENO()\n"
                  "READ EVENTS\n"
                  "ON ERROR\n"
                  "TRY\n"
                  "  READ EVENTS\n"
                  "CATCH\n"
                  "  ? 'caught by TRY'\n"
                  "ENDTRY\n"
                  "? 'done', n\n"
                  "PROCEDURE tick\n"
                  "  n = n + 1\n"
                  "  IF n = 1 OR n = 3\n"
                  "    x = nosuch\n"
                  "    ? 'went on', n\n"
                  "  ELSE\n"
                  "    CLEAR EVENTS\n"
                  "  ENDIF\n"
                  "PROCEDURE handler\n"
                  "  LPARAMETERS number, line\n"
                  "  ? 'handled', number, line\n"),
              "\nhandled " + Num("12") + " " + Num("14") + "\nwent on " + Num("1") + "\ndone " + Num("4") + "\n");
    host.StopTimer(timer);
    // The report names the statement and the command that ran the procedure,
    // at the line of the message loop that took it.
    EXPECT_EQ(reported, (std::vector<std::string>{"Error 12 at line 14 (TICK): Variable 'NOSUCH' is not found.\n"
                                                  "  at line 14 (TICK): x = nosuch\n"
                                                  "  called from line 6 (TEST): DO tick"}));
}

// READ EVENTS may run inside an event command: CLEAR EVENTS ends the
// innermost one, and the outer one goes on until it is cleared too.
TEST_F(InterpreterTest, ClearEventsEndsTheInnermostReadEvents) {
    std::uintptr_t timer = host.StartTimer(1, "DO tick");
    EXPECT_EQ(Run("n = 0\n"
                  "READ EVENTS\n"
                  "? 'outer ended at', n\n"
                  "PROCEDURE tick\n"
                  "  n = n + 1\n"
                  "  DO CASE\n"
                  "  CASE n = 1\n"
                  "    READ EVENTS\n"
                  "    ?? 'inner ended at', n\n"
                  "  CASE n >= 3\n"
                  "    CLEAR EVENTS\n"
                  "  ENDCASE\n"),
              "inner ended at " + Num("3") + "\nouter ended at " + Num("4") + "\n");
    host.StopTimer(timer);
}

// An event command may be sent by a timer of the library's own, whose code
// is still running below it: the library cannot go then.
TEST_F(InterpreterTest, AnEventCommandCannotReleaseTheLibrary) {
    std::uintptr_t timer = host.StartTimer(1, "RELEASE LIBRARY");
    EXPECT_EQ(Run("= INKEY(0.05)\n? TST_TEST(3)"), "\n" + Num("27") + "\n");
    host.StopTimer(timer);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported[0], "Error 3 at line 1 (TEST): File is in use.\n  at line 1 (TEST): RELEASE LIBRARY");
}

// An event command runs in the procedure running at the time, as its
// message loop's line; that is where its error is reported.
TEST_F(InterpreterTest, AnEventCommandsErrorIsReportedAtItsMessageLoop) {
    std::uintptr_t timer = host.StartTimer(1, "x = nosuch");
    EXPECT_EQ(Run("DO p\n? 'went on'\nPROCEDURE p\n* a comment\n= INKEY(0.02)"), "\nwent on\n");
    host.StopTimer(timer);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported[0], "Error 12 at line 5 (P): Variable 'NOSUCH' is not found.\n"
                           "  at line 5 (P): x = nosuch\n"
                           "  called from line 1 (TEST): DO p");
}

TEST_F(InterpreterTest, QuitInATimersCommandEndsTheProgram) {
    std::uintptr_t timer = host.StartTimer(1, "QUIT");
    out.clear();
    RunResult r = in->RunText("? 'before'\nREAD EVENTS\n? 'not reached'", "TEST");
    host.StopTimer(timer);
    in->FinishOutput();
    EXPECT_TRUE(r.quit);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(out, "\nbefore\n");
}

// Ctrl-C comes from another thread (the console's handler): the program
// stops before its next statement, or when its message loop wakes up; no
// TRY, CATCH or FINALLY sees it. Under SET ESCAPE OFF it waits.
TEST_F(InterpreterTest, CtrlCStopsTheProgramWhereItIs) {
    auto later = [&] {
        return std::thread([&] {
            Sleep(300);
            in->Interrupt();
        });
    };
    struct Case {
        const char* program;
        int line;
    };
    const Case cases[] = {
        {"TRY\ni = 0\nDO WHILE .T.\ni = i + 1\nENDDO\nCATCH\n? 'caught'\nFINALLY\n? 'finally'\nENDTRY", 0},
        {"? 'x'\nDO WHILE .T.\nENDDO", 2},  // a loop with no statement
        {"READ EVENTS", 1},
        {"DO p\nPROCEDURE p\n= INKEY(60)", 3},
    };
    for (const Case& c : cases) {
        out.clear();
        std::thread t = later();
        RunResult r = in->RunText(c.program, "TEST");
        t.join();
        EXPECT_TRUE(r.interrupted) << c.program;
        EXPECT_EQ(r.error, 0) << c.program;
        if (c.line) EXPECT_EQ(r.line, c.line) << c.program;
        EXPECT_EQ(out.find("caught"), std::string::npos);
        EXPECT_EQ(out.find("finally"), std::string::npos);
        EXPECT_FALSE(in->InterruptPending()) << "taken";
    }
    Run("SET ESCAPE OFF");
    in->Interrupt();
    EXPECT_EQ(Run("? SET('ESCAPE')"), "\nOFF\n");
    EXPECT_TRUE(in->InterruptPending()) << "kept for later";
    RunResult r = in->RunText("SET ESCAPE ON\n? 'not reached'", "TEST");
    EXPECT_TRUE(r.interrupted) << "taken as soon as SET ESCAPE is ON";
    EXPECT_EQ(r.line, 2);
}

// The line-by-line mode numbers each command's lines from where it starts
// in the input.
TEST_F(InterpreterTest, CommandsCountLinesFromTheirFirst) {
    RunResult error;
    auto program = in->Compile("x = 1\n\ny = nosuch", "COMMAND", &error, true, 40);
    ASSERT_TRUE(program);
    RunResult r = in->Run(program);
    EXPECT_EQ(r.line, 42);
    EXPECT_FALSE(in->Compile("IF .T.\nENDDO", "COMMAND", &error, true, 7));
    EXPECT_EQ(error.line, 8);
}

// With no keyboard, INKEY(n) and WAIT ... TIMEOUT n serve the thread's
// messages for their time; INKEY() and WAIT ... NOWAIT serve none.
TEST_F(InterpreterTest, InkeyAndWaitServeMessagesForTheirTime) {
    Run("ticks = 0");
    std::uintptr_t timer = host.StartTimer(1, "ticks = ticks + 1");
    Sleep(20);  // the timer is due; it fires only where messages are served
    EXPECT_EQ(Run("? INKEY(), INKEY(0), ticks"), "\n" + Num("0") + " " + Num("0") + " " + Num("0") + "\n");
    EXPECT_EQ(Run("? INKEY(0.05), ticks > 0"), "\n" + Num("0") + " .T.\n");
    EXPECT_EQ(Run("ticks = 0\nWAIT WINDOW 'w' NOWAIT TIMEOUT 0.05\n? ticks\nWAIT WINDOW 'v' TIMEOUT 0.05\n? ticks > 0"),
              "WAIT WINDOW: w\n" + Num("0") + "\nWAIT WINDOW: v\n.T.\n");
    host.StopTimer(timer);
    EXPECT_TRUE(reported.empty());
}

// Messages posted to the thread's windows are dispatched where the program
// serves its messages; here the main window's own procedure is replaced by
// one that runs commands, the second of which clears the events.
Interpreter* g_postTarget = nullptr;
WNDPROC g_mainProc = nullptr;

LRESULT CALLBACK PostedCommand(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_APP + 1) return CallWindowProcA(g_mainProc, hwnd, msg, wp, lp);
    g_postTarget->ExecuteFromLibrary("posted = posted + 1");
    if (wp) g_postTarget->ExecuteFromLibrary("CLEAR EVENTS");
    return 0;
}

TEST_F(InterpreterTest, PostedMessagesRunWhereMessagesAreServed) {
    g_postTarget = in.get();
    HWND main = host.mainWindow();
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PostedCommand)));
    Run("posted = 0");
    PostMessageA(main, WM_APP + 1, 0, 0);
    EXPECT_EQ(Run("? posted\nDOEVENTS\n? posted"), "\n" + Num("0") + "\n" + Num("1") + "\n");
    PostMessageA(main, WM_APP + 1, 0, 0);
    PostMessageA(main, WM_APP + 1, 1, 0);
    EXPECT_EQ(Run("READ EVENTS\n? posted"), "\n" + Num("3") + "\n");
    SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
}

// --- names -------------------------------------------------------------------------

TEST_F(InterpreterTest, WithNoTableOpenNamesAreMemoryVariables) {
    EXPECT_EQ(Run("x = 5\nm.y = 1\nm->y = m.y + 1\n? x, m.x, m->x, M->X, y"),
              "\n" + Num("5") + " " + Num("5") + " " + Num("5") + " " + Num("5") + " " + Num("2") + "\n");
    RunResult r = Fails("? cust->name");
    EXPECT_EQ(r.error, 13);
    EXPECT_EQ(r.message, "Alias 'CUST' is not found.");
    EXPECT_EQ(Fails("cust->name = 1").error, 13);
    EXPECT_EQ(Fails("x = 1\n? x.name").error, 1924) << "x.name with no table named x: a property";
    EXPECT_EQ(Fails("? cust->").error, 10);
}

// A table of one record, open in work area 1 under the alias CUST, plugged
// in where the tables will be.
class NamesTest : public InterpreterTest {
protected:
    void SetUp() override {
        InterpreterTest::SetUp();
        host.workAreas.find = [](const std::string& alias) { return alias.empty() || alias == "CUST" ? 1 : 0; };
        host.workAreas.read = [this](int area, const std::string& name, Value* v) {
            auto it = fields.find(name);
            if (area != 1 || it == fields.end()) return -1;
            *v = it->second;
            return 0;
        };
        host.workAreas.write = [this](int area, const std::string& name, const Value& v) {
            if (area != 1 || !fields.count(name)) return 12;
            fields[name] = v;
            return 0;
        };
    }
    void TearDown() override {
        host.workAreas = run::NoTables();
        InterpreterTest::TearDown();
    }
    std::map<std::string, Value> fields = {{"NAME", Value::Char("field")}, {"QTY", Value::Num(3)}};
};

TEST_F(NamesTest, FieldsComeBeforeMemoryVariables) {
    Run("name = 'memory'\nqty = .T.");  // assignments write variables
    EXPECT_EQ(fields["NAME"].text, "field");
    EXPECT_EQ(Show("name + '/' + m.name + '/' + m->name"), "field/memory/memory");
    EXPECT_EQ(Show("cust.name + cust->name + Cust->Name"), "fieldfieldfield");
    EXPECT_EQ(Run("c = 'name'\n? &c, TYPE('qty'), TYPE('m.qty'), EVALUATE('qty * 2')"),
              "\nfield N L " + Num("6") + "\n");
    // DO ... WITH passes a field by value, a variable by reference.
    EXPECT_EQ(Run("DO put WITH qty\nDO put WITH m.qty\n? qty, m.qty\nPROCEDURE put\nPARAMETERS x\nx = 10"),
              "\n" + Num("3") + " " + Num("10") + "\n");
    Run("cust.name = 'changed'\nCUST->qty = 7");
    EXPECT_EQ(fields["NAME"].text, "changed");
    EXPECT_EQ(fields["QTY"].number, 7);
    RunResult r = Fails("? other->name");
    EXPECT_EQ(r.error, 13);
    EXPECT_EQ(r.message, "Alias 'OTHER' is not found.");
    r = Fails("? cust.nosuch");
    EXPECT_EQ(r.error, 12);
    EXPECT_EQ(r.message, "Variable 'NOSUCH' is not found.");
    EXPECT_EQ(Fails("cust.nosuch = 1").error, 12) << "the work areas refuse";
}

// Names that are both: an array is an array (no field is one), a loop's
// counter and STORE's targets are what they name, and @name passes the
// variable.
TEST_F(NamesTest, EachFormOfANameFindsItsOwn) {
    EXPECT_EQ(Run("DIMENSION qty(2)\nqty(2) = 'two'\n? qty(2), qty"), "\ntwo " + Num("3") + "\n");
    EXPECT_EQ(Run("RELEASE qty\nFOR qty = 1 TO 5\nENDFOR\n? qty, m.qty"), "\n" + Num("3") + " " + Num("6") + "\n");
    Run("STORE 'both' TO cust.name, name");
    EXPECT_EQ(fields["NAME"].text, "both");
    EXPECT_EQ(Show("m.name"), "both");
    Run("qty = 2");
    EXPECT_EQ(Show("TST_TEST(@qty)"), Num("2")) << "the variable";
    EXPECT_EQ(Show("TST_TEST(qty)"), Num("27")) << "the field";
}

// --- the command table ----------------------------------------------------------------

// Every block a row continues or closes is opened by a row, every block
// opened can be closed, parts are never run on their own, and no two rows
// share a verb and second word.
TEST(CommandTable, BlocksPairUpAndRowsAreUnique) {
    using namespace run::lang;
    std::set<std::pair<std::string, std::string>> rows;
    std::set<std::string> opened, closed, continued;
    for (const Command* c : AllCommands()) {
        std::string verb = c->verb;
        EXPECT_TRUE(rows.insert({verb, c->second ? c->second : ""}).second) << verb;
        if (IsNameStart(static_cast<unsigned char>(verb[0]))) EXPECT_EQ(verb, UpperAscii(verb));
        unsigned role = c->role;
        if (role & (kOpens | kContinues | kCloses | kProcedure)) {
            ASSERT_NE(c->block, nullptr) << verb;
        } else {
            EXPECT_EQ(c->block, nullptr) << verb;
        }
        for (const std::string& block : {std::string("IF"), std::string("CASE"), std::string("DO"),
                                         std::string("FOR"), std::string("TRY"), std::string("PROC")}) {
            if (!InBlock(*c, block.c_str())) continue;
            if (role & (kOpens | kProcedure)) opened.insert(block);
            if (role & kCloses) closed.insert(block);
            if (role & kContinues) continued.insert(block);
        }
        if (role & kOpens) EXPECT_NE(c->exec, nullptr) << verb << " opens a block it cannot run";
        if (role & (kContinues | kCloses)) EXPECT_EQ(c->exec, nullptr) << verb << " runs only as a part";
        if (role & kLastPart) EXPECT_TRUE(role & kContinues) << verb;
    }
    for (const std::string& b : closed) EXPECT_TRUE(opened.count(b)) << b;
    for (const std::string& b : continued) EXPECT_TRUE(opened.count(b)) << b;
    for (const std::string& b : opened) EXPECT_TRUE(closed.count(b)) << b;
}

// Every row is found by its words, and by its verb cut to four letters when
// no other verb starts with those four (a cut that fits several is none).
TEST(CommandTable, EveryRowIsFoundByItsWords) {
    using namespace run::lang;
    std::vector<std::string> verbs;
    for (const Command* c : AllCommands())
        if (IsNameStart(static_cast<unsigned char>(c->verb[0]))) verbs.push_back(c->verb);
    bool second = false;
    for (const Command* c : AllCommands()) {
        std::string verb = c->verb, next = c->second ? c->second : "";
        if (!IsNameStart(static_cast<unsigned char>(verb[0]))) continue;
        EXPECT_EQ(FindCommand(verb, next, &second), c) << verb << " " << next;
        EXPECT_EQ(second, c->second != nullptr) << verb;
        if (verb.size() <= 4) continue;
        std::string cut = verb.substr(0, 4);
        std::set<std::string> sharing;
        for (const std::string& v : verbs)
            if (v.compare(0, 4, cut) == 0) sharing.insert(v);
        const Command* found = FindCommand(cut, next, &second);
        if (sharing.count(cut)) EXPECT_NE(found, c) << cut << " is a verb of its own";
        else if (sharing.size() == 1) EXPECT_EQ(found, c) << cut;
        else EXPECT_EQ(found, nullptr) << cut;
    }
    EXPECT_EQ(FindCommand("NOSUCH", "", &second), nullptr);
    EXPECT_EQ(FindCommand("DO", "WHIL", &second)->second, std::string("WHILE"));
    EXPECT_EQ(FindCommand("DO", "WHILEX", &second)->second, nullptr) << "DO a procedure";
    EXPECT_FALSE(second);
}

TEST_F(InterpreterTest, VerbsOfTwoWordsAndCutVerbs) {
    EXPECT_EQ(Run("DIME a(2)\nSTOR 'x' TO a(2)\nn = 0\nDO WHIL n < 2\nn = n + 1\nENDD\n"
                  "FOR i = 1 TO 2\n?? STR(i, 1)\nENDF\n? a(2), n, twice(4)\n"
                  "FUNC twice(v)\nRETU v * 2\nENDF"),
              "12\nx " + Num("2") + " " + Num("8") + "\n");
    EXPECT_EQ(Run("DO CASE\nCASE .F.\nOTHE\n? 'other'\nENDC"), "\nother\n");
    EXPECT_EQ(Fails("READ").error, 1001);
    EXPECT_EQ(Fails("ON KEY LABEL F1 x = 1").error, 1001);
    EXPECT_EQ(Fails("APPEND FROM x").error, 1001);
    EXPECT_EQ(Fails("READ EVENTS NOW").error, 36);
    EXPECT_EQ(Fails("RELEASE ALL x").error, 36);
    EXPECT_EQ(Fails("CLEAR EVENTS x").error, 36);
    EXPECT_EQ(Fails("CASE .T.").error, 1213) << "a part of a block alone";
    EXPECT_EQ(Fails("DO CASE\nELSE\nENDCASE").error, 1211) << "a part of another block";
    EXPECT_EQ(Fails("IF .T.\nELSE\nELSE\nENDIF").error, 1211) << "a last part twice";
    EXPECT_EQ(Fails("TRY\nFINALLY\nCATCH\nENDTRY").error, 2058);
}

// A statement that does not parse keeps the block role of its command, so
// the blocks still pair up; its error comes when it is reached.
TEST_F(InterpreterTest, StatementsThatDoNotParseKeepTheirBlocks) {
    struct Case {
        const char* program;
        int error;
        int line;
    };
    const Case cases[] = {
        {"? 1\nIF 1 +\n? 2\nENDIF", 10, 2},
        {"DO WHILE (\nENDDO", 10, 1},
        {"FOR i = 1 TO\nENDFOR", 10, 1},
        {"FOR EACH x\nENDFOR", 10, 1},
        {"DO CASE x\nCASE .T.\nENDCASE", 36, 1},
        {"DO CASE\nCASE .F.\nCASE 1 +\nENDCASE", 10, 3},
        {"TRY\nx = nosuch\nCATCH TO\nENDTRY", 10, 3},
        {"PROCEDURE 1\n? 2", 10, 1},  // no name: not a procedure
        {"IF 1 +\nELSE\nENDIF\nENDIF", 1211, 4},
    };
    for (const Case& c : cases) {
        RunResult r = Fails(c.program);
        EXPECT_EQ(r.error, c.error) << c.program;
        EXPECT_EQ(r.line, c.line) << c.program;
    }
    EXPECT_EQ(out, "") << "the last program never starts";
    std::string deep;
    for (int i = 0; i < 300; ++i) deep = "IF .T.\n" + deep + "ENDIF\n";
    EXPECT_EQ(Fails(deep).error, 96) << "blocks nest 256 deep at most";
    deep.clear();
    for (int i = 0; i < 100; ++i) deep = "IF .T.\n" + deep + "ENDIF\n";
    EXPECT_EQ(Run(deep + "? 'deep'"), "\ndeep\n");
}

// The clauses table commands will share: each once, in any order, until a
// word that starts none.
TEST_F(InterpreterTest, SharedClausesParseOnceInAnyOrder) {
    using namespace run::lang;
    const unsigned all = kClauseScope | kClauseFor | kClauseWhile | kClauseIn;
    ExprParser p("WHILE a < 3 NEXT 2 + 1 IN cust FOR b = 'x' AND a > 0");
    Clauses c = ParseClauses(p, all);
    EXPECT_TRUE(p.AtEnd());
    EXPECT_EQ(c.scope, Clauses::Scope::Next);
    EXPECT_EQ(c.in.literal, "cust");
    Run("a = 1\nb = 'x'");
    EXPECT_EQ(in->Eval(*c.count).number, 3);
    EXPECT_TRUE(in->Eval(*c.forCond).logical);
    EXPECT_TRUE(in->Eval(*c.whileCond).logical);

    ExprParser q("RECO 4 FOR .T. WHILE .F. TO x");
    c = ParseClauses(q, kClauseScope | kClauseFor);
    EXPECT_EQ(c.scope, Clauses::Scope::Record);
    EXPECT_TRUE(c.Has(kClauseFor));
    EXPECT_FALSE(c.Has(kClauseWhile));
    EXPECT_TRUE(q.cur().IsWord("WHILE")) << "a clause the command does not take ends them";
    ExprParser r("ALL");
    EXPECT_EQ(ParseClauses(r, all).scope, Clauses::Scope::All);

    auto error = [&](const char* text) {
        try {
            ExprParser e(text);
            ParseClauses(e, all);
        } catch (const ScriptError& err) {
            return err.number;
        }
        return 0;
    };
    EXPECT_EQ(error("FOR .T. FOR .F."), 10);
    EXPECT_EQ(error("ALL REST"), 10);
    EXPECT_EQ(error("NEXT"), 10);
    EXPECT_EQ(error("IN"), 10);
    EXPECT_EQ(error("IN (1 +)"), 10);
    EXPECT_EQ(error("REST IN (alias) WHILE .T."), 0);
}

// --- the host's tables ---------------------------------------------------------------

// CREATE CURSOR, APPEND BLANK, REPLACE, GO, SELECT and USE over the host's
// tables; their fields are names, and @alias.field passes a field.
TEST_F(InterpreterTest, CursorsHoldFieldsAndMemos) {
    EXPECT_EQ(Run("CREATE CURSOR t (name C(4), qty N(5, 1), n Integer, ok L, body Memo)\n"
                  "APPEND BLANK\n"
                  "REPLACE name WITH 'abcdef', t.n WITH 7.9, ok WITH .T., t->body WITH 'first'\n"
                  "APPEND BLANK\n"
                  "REPLACE body WITH 'second', qty WITH 2\n"
                  "GO 1\n"
                  "? name + '|' + body, n, ok, qty\n"
                  "GO BOTTOM\n"
                  "? body, t.qty"),
              "\nabcd|first " + Num("8") + " .T. " + Num("0.0") + "\nsecond " + Num("2.0") + "\n");
    // A field by reference is a field locator; in DO ... WITH it goes by value.
    EXPECT_EQ(Run("x = STR_ENCRYP(@t.body, 'key!')\n? LEN(x), x == body, STR_DECRYP(x, 'key!')"),
              "\n" + Num("6") + " .F. second\n");
    EXPECT_EQ(Run("DO p WITH @t.name\n? name\nPROCEDURE p\nPARAMETERS v\nv = 'zz'"), "\n    \n");
    EXPECT_EQ(Fails("? STR_ENCRYP(@t.nosuch, 'key!')").error, 12);
    EXPECT_EQ(Fails("? STR_ENCRYP(@u.body, 'key!')").error, 13);
    EXPECT_EQ(Fails("REPLACE name WITH 5").error, 9);
    EXPECT_EQ(Fails("REPLACE qty WITH 10000").error, 39) << "five digits with one decimal";
    EXPECT_EQ(Fails("REPLACE nosuch WITH 5").error, 12);
    EXPECT_EQ(Fails("GO 3").error, 5);
    EXPECT_EQ(Fails("SELECT 2\nCREATE CURSOR t (a L)").error, 24) << "the alias is open in 1";
    Run("CREATE CURSOR u (a L)\nSELECT t");
    EXPECT_EQ(Run("? body"), "\nsecond\n");
    EXPECT_EQ(Fails("SELECT nosuch").error, 13);
    Run("USE");
    EXPECT_EQ(Fails("APPEND BLANK").error, 52);
    EXPECT_EQ(Fails("REPLACE a WITH .T.").error, 52);
    EXPECT_EQ(Fails("CREATE CURSOR v (d Dat)").error, 1001) << "DATE is not cut";
    EXPECT_EQ(Fails("CREATE CURSOR v (c C)").error, 10) << "a text without width";
    EXPECT_EQ(Fails("CREATE CURSOR v (c C(255))").error, 11);
}

// --- the host's service groups -------------------------------------------------------

TEST_F(InterpreterTest, EveryServiceCodeHasExactlyOneGroup) {
    std::map<std::uint32_t, int> served;
    for (const run::ServiceGroup& g : run::ServiceGroups())
        for (std::uint32_t code : g.codes)
            if (code) ++served[code];
    for (std::uint32_t code = 1; code < 128; ++code) {
        EXPECT_LE(served[code], 1) << code;
        EXPECT_EQ(run::GroupFor(code) != nullptr, served[code] == 1) << code;
    }
    for (std::uint32_t code : {kSvcPutString, kSvcReturnValue, kSvcGetMemoSize, kSvcStoreVariable,
                               kSvcHostFileEof, kSvcGetWindowMetric, kSvcEvaluateExpression, kSvcReadKey,
                               kSvcShowDialog, kSvcRaiseUserError, kSvcUnlockRecords, kSvcEditorOpenFile,
                               kSvcEditorSave, kSvcFindHostWindow, kSvcSetObjectProperty})
        EXPECT_EQ(served[code], 1) << code;
}

TEST_F(InterpreterTest, ServicesNotServedYetAnswerTheirSafeDefaults) {
    auto i32 = [](std::uint32_t v) { return static_cast<std::int32_t>(v); };
    EXPECT_EQ(Service(kSvcSetObjectProperty, 0, 0, 0, 1), 1u) << "failure";
    EXPECT_EQ(Service(kSvcReadKey, 0xFFFFFFFF, 2), 0u) << "no key waiting";
    std::int32_t point[2] = {-7, -7};
    EXPECT_EQ(Service(kSvcGetMousePosition, Addr(point), 0), 0u);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(point[0], cursor.x);
    EXPECT_EQ(point[1], cursor.y);
    EXPECT_EQ(Service(kSvcGetMousePosition, 0, 1), 0u) << "no button down";
    char text[] = "Save?";
    EXPECT_EQ(Service(kSvcShowDialog, 0, Addr(text), 2, 3), 2u) << "the default button";
    char form[] = "FORM1";
    EXPECT_EQ(Service(kSvcFindHostWindow, 0, 1), 1u) << "the main window";
    EXPECT_EQ(Service(kSvcFindHostWindow, Addr(form), 0), 0u) << "no other window is known";
    EXPECT_EQ(Service(kSvcHostWindowToHwnd, 1), Addr(host.mainWindow()));
    EXPECT_EQ(Service(kSvcHostWindowToHwnd, 2), 0u);
    RECT rc{};
    ASSERT_TRUE(GetWindowRect(host.mainWindow(), &rc));
    EXPECT_EQ(i32(Service(kSvcGetWindowMetric, 1, 5)), rc.right - rc.left);
    EXPECT_EQ(i32(Service(kSvcGetWindowMetric, 1, 0)), rc.top);
    EXPECT_EQ(Service(kSvcGetWindowMetric, 1, 6), 0u);
    EXPECT_EQ(Service(kSvcGetWindowMetric, 2, 5), 0u);
    EXPECT_EQ(Service(7, 0x1234), 0u) << "a code no group serves";
    EXPECT_EQ(lastCode, 7u) << "and it is not an abort";
}

// Without an interpreter the host serves its own: the variables of the C++
// API, and WAIT WINDOW as the only command (here sent by a test timer).
TEST_F(InterpreterTest, WithoutAnInterpreterTheHostServesItsOwn) {
    in.reset();
    EXPECT_FALSE(host.hooks.executeCommand) << "the interpreter gives the hooks back";
    std::uint32_t id = host.NewVariable(Value::Char("api"));
    VariableLocator loc{};
    loc.type = 'R';
    loc.workArea = -1;
    std::memcpy(loc.reference, &id, 4);
    ValueRecord rec{};
    EXPECT_EQ(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(host.HandleText(rec.handle, static_cast<std::size_t>(rec.length)), "api");
    FreeHandle(rec.handle);
    rec = ValueRecord{};
    rec.type = 'N';
    rec.number = 2.5;
    rec.length = 1;
    EXPECT_EQ(Service(kSvcStoreVariable, Addr(&loc), Addr(&rec)), 0u);
    EXPECT_EQ(host.Variable(id).type, 'N');
    EXPECT_EQ(host.Variable(id).number, 2.5);
    loc.workArea = 2;  // a field's locator: no table is served yet
    EXPECT_EQ(static_cast<std::int32_t>(Service(kSvcLoadVariable, Addr(&loc), Addr(&rec))), -12);

    std::size_t shown = host.waitWindows.size();
    std::uintptr_t timer = host.StartTimer(1, "WAIT WINDOW 'tick' NOWAIT");
    host.Pump(50);
    host.StopTimer(timer);
    ASSERT_GT(host.waitWindows.size(), shown);
    EXPECT_EQ(host.waitWindows.back(), "tick");
}

}  // namespace
}  // namespace tarvo::test

namespace tarvo::test {
namespace {

// Objects go with the last value that holds them: a loop that makes and
// drops them keeps none alive, whatever holds them on the way (a property,
// a collection, an array element); a ring of two stays until the end.
TEST_F(InterpreterTest, ObjectsGoWithTheirLastReference) {
    const std::size_t before = in->ObjectsAlive();
    Run("DIMENSION a(2)\n"
        "FOR i = 1 TO 10000\n"
        "  o = CREATEOBJECT('Empty')\n"
        "  ADDPROPERTY(o, 'child', CREATEOBJECT('Collection'))\n"
        "  o.child.Add(CREATEOBJECT('Custom'), 'k')\n"
        "  a(1) = o\n"
        "ENDFOR\n"
        "RELEASE o, a\n");
    EXPECT_EQ(in->ObjectsAlive(), before);
    Run("x = CREATEOBJECT('Empty')\ny = CREATEOBJECT('Empty')\n"
        "ADDPROPERTY(x, 'other', y)\nADDPROPERTY(y, 'other', x)\nRELEASE x, y\n");
    EXPECT_EQ(in->ObjectsAlive(), before + 2) << "a ring is not collected";
}

}  // namespace
}  // namespace tarvo::test
