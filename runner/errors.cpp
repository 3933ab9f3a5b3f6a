// The host's error texts, by number.
#include <map>
#include <string>

#include "runner/host.h"

namespace tarvo::run {

std::string ErrorText(int number) {
    static const std::map<int, std::string> kTexts = {
        {1, "File does not exist."},
        {3, "File is in use."},
        {5, "Record is out of range."},
        {9, "Data type mismatch."},
        {10, "Syntax error."},
        {11, "Function argument value, type, or count is invalid."},
        {12, "Variable is not found."},
        {13, "Alias is not found."},
        {16, "Unrecognized command verb."},
        {24, "Alias name is already in use."},
        {31, "Invalid subscript reference."},
        {36, "Command contains unrecognized phrase/keyword."},
        {39, "Numeric overflow. Data was lost."},
        {43, "There is not enough memory to complete this operation."},
        {52, "No table is open in the current work area."},
        {96, "Nesting error."},
        {107, "Operator/operand type mismatch."},
        {129, "Memory variable is required."},
        {182, "Insufficient memory."},
        {202, "Invalid path or file name."},
        {211, "Window has not been defined."},
        {232, "Variable is not an array."},
        {302, "Character expression is required."},
        {903, "String is too long to fit."},
        {1001, "Feature is not available."},
        {1098, "User-defined error."},
        {1211, "An IF | ELSE | ENDIF statement is missing."},
        {1213, "There is a missing keyword in the FOR ... ENDFOR or DO CASE ... ENDCASE command "
               "structure."},
        {1229, "Too few arguments."},
        {1230, "Too many arguments."},
        {1307, "Division by zero."},
        {1308, "Insufficient stack space."},
        {1733, "Class definition is not found."},
        {1734, "Property is not found."},
        {1743, "Property is read-only."},
        {1903, "String is too long to fit."},
        {1924, "Expression is not an object."},
        {1925, "Unknown member."},
        {1940, "Operation is only valid within a method."},
        {2034, "Date/Datetime evaluated to an invalid value."},
        {2058, "TRY/CATCH/FINALLY/ENDTRY mismatch or error."},
        {2060, "RETURN/RETRY statement not allowed in TRY/CATCH."},
        {2061, "Index or expression does not match an existing member of the collection."},
        {2062, "The specified key already exists."},
        {2071, "User Thrown Error."},
    };
    auto it = kTexts.find(number);
    return it != kTexts.end() ? it->second : "Error " + std::to_string(number) + ".";
}

}  // namespace tarvo::run
