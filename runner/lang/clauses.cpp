// The clauses many commands share: a scope, FOR, WHILE and IN.
#include "runner/lang/commands.h"
#include "runner/lang/errors.h"

namespace tarvo::run::lang {

bool Clauses::Has(unsigned clause) const {
    switch (clause) {
    case kClauseScope: return scope != Scope::None;
    case kClauseFor: return forCond != nullptr;
    case kClauseWhile: return whileCond != nullptr;
    case kClauseIn: return in.present;
    default: return false;
    }
}

Clauses ParseClauses(ExprParser& p, unsigned allowed) {
    Clauses c;
    auto once = [&](unsigned clause) {
        if (c.Has(clause)) Raise(kErrSyntax);
    };
    using S = Clauses::Scope;
    for (;;) {
        p.Relex(true);
        S scope = S::None;
        if (allowed & kClauseScope)
            scope = p.Word("ALL") ? S::All : p.Word("NEXT") ? S::Next : p.Word("RECORD") ? S::Record
                  : p.Word("REST") ? S::Rest : S::None;
        if (scope != S::None) {
            once(kClauseScope);
            c.scope = scope;
            if (scope == S::Next || scope == S::Record) c.count = p.Expression();
        } else if ((allowed & kClauseFor) && p.Word("FOR")) {
            once(kClauseFor);
            c.forCond = p.Expression();
        } else if ((allowed & kClauseWhile) && p.Word("WHILE")) {
            once(kClauseWhile);
            c.whileCond = p.Expression();
        } else if ((allowed & kClauseIn) && p.Word("IN")) {
            once(kClauseIn);
            c.in = p.NameArgument();
            if (!c.in.present) p.Fail();
        } else {
            return c;
        }
    }
}

}  // namespace tarvo::run::lang
