// Writes a large valid BASIC program for the translation benchmark:
// module variables, TYPEs, classes (each a module of its own), and
// functions of plain statements (assignments with arithmetic on globals and
// parameters, IF/ELSE, FOR, WHILE, calls of earlier functions, TYPE members,
// array elements, method calls).
//   generate_program FOLDER FUNCTIONS STATEMENTS VARIABLES TYPES CLASSES [c]
// FOLDER/big.bas is the program; FOLDER/CLASSn.BAS its class modules. With
// "c", FOLDER/big.c is its C twin instead, for TinyCC to compile.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

struct Knobs {
    long functions, statements, variables, types, classes;
};

void writeClass(const std::string& folder, long index) {
    std::ofstream out(folder + "/CLASS" + std::to_string(index) + ".BAS", std::ios::binary);
    out << "CLASS Class" << index << "\n"
        << "PRIVATE mValue AS Long\n"
        << "PUBLIC FUNCTION Add(v AS Long) AS Long\n"
        << "\tmValue = mValue + v\n"
        << "\tAdd = mValue\n"
        << "END FUNCTION\n"
        << "PUBLIC FUNCTION Value() AS Long\n"
        << "\tValue = mValue\n"
        << "END FUNCTION\n";
}

// One statement of function f, chosen by its number s.
void writeStatement(std::ostream& out, const Knobs& k, long f, long s) {
    const long g = (f * 7 + s * 13) % k.variables;
    const long h = (f * 3 + s * 5 + 1) % k.variables;
    switch (s % 8) {
        case 0: out << "\tg" << g << " = g" << h << " + a * " << s << " - b\n"; break;
        case 1:
            out << "\tIF g" << g << " > " << s << " THEN\n\t\tg" << h << " = g" << h << " + 1\n"
                << "\tELSE\n\t\tg" << h << " = g" << h << " - 1\n\tEND IF\n";
            break;
        case 2: out << "\tFOR i = 1 TO " << (s % 5 + 2) << "\n\t\tt = t + i * a\n\tNEXT i\n"; break;
        case 3:
            out << "\tWHILE t > " << (s + 100) << "\n\t\tt = t - " << (s % 9 + 1) << "\n\tWEND\n";
            break;
        case 4:
            if (f > 0)
                out << "\tt = t + F" << (f - 1) << "(a, g" << g << ")\n";
            else
                out << "\tt = t + a\n";
            break;
        case 5:
            if (k.types > 0)
                out << "\tp" << (g % k.types) << ".x = p" << (g % k.types) << ".y + a\n";
            else
                out << "\tt = t * 2\n";
            break;
        case 6: out << "\tarr(" << (s % 10) << ") = arr(" << ((s + 3) % 10) << ") + g" << g << "\n"; break;
        default:
            if (k.classes > 0)
                out << "\tt = t + obj" << (g % k.classes) << ".Add(a)\n";
            else
                out << "\tb = b + t\n";
    }
}

// The same statement in C, for the C twin that TinyCC compiles.
void writeStatementC(std::ostream& out, const Knobs& k, long f, long s) {
    const long g = (f * 7 + s * 13) % k.variables;
    const long h = (f * 3 + s * 5 + 1) % k.variables;
    switch (s % 8) {
        case 0: out << "\tg" << g << " = g" << h << " + a * " << s << " - b;\n"; break;
        case 1:
            out << "\tif (g" << g << " > " << s << ") {\n\t\tg" << h << " = g" << h << " + 1;\n"
                << "\t} else {\n\t\tg" << h << " = g" << h << " - 1;\n\t}\n";
            break;
        case 2: out << "\tfor (i = 1; i <= " << (s % 5 + 2) << "; i++) {\n\t\tt = t + i * a;\n\t}\n"; break;
        case 3:
            out << "\twhile (t > " << (s + 100) << ") {\n\t\tt = t - " << (s % 9 + 1) << ";\n\t}\n";
            break;
        case 4:
            if (f > 0)
                out << "\tt = t + F" << (f - 1) << "(a, g" << g << ");\n";
            else
                out << "\tt = t + a;\n";
            break;
        case 5:
            if (k.types > 0)
                out << "\tp" << (g % k.types) << ".x = p" << (g % k.types) << ".y + a;\n";
            else
                out << "\tt = t * 2;\n";
            break;
        case 6: out << "\tarr[" << (s % 10) << "] = arr[" << ((s + 3) % 10) << "] + g" << g << ";\n"; break;
        default:
            if (k.classes > 0)
                out << "\tt = t + Class" << (g % k.classes) << "_Add(obj" << (g % k.classes) << ", a);\n";
            else
                out << "\tb = b + t;\n";
    }
}

// FOLDER/big.c: the program written in C, one file (its classes are structs
// with their methods as functions taking the object).
int writeCTwin(const std::string& folder, const Knobs& k) {
    std::ofstream out(folder + "/big.c", std::ios::binary);
    out << "/* The C twin of a generated program for the translation benchmark. */\n"
        << "int printf(const char*, ...);\n";
    for (long c = 0; c < k.classes; ++c)
        out << "typedef struct Class" << c << " { long mValue; } Class" << c << ";\n"
            << "long Class" << c << "_Add(Class" << c << "* self, long v) {\n"
            << "\tself->mValue = self->mValue + v;\n\treturn self->mValue;\n}\n"
            << "long Class" << c << "_Value(Class" << c << "* self) {\n\treturn self->mValue;\n}\n";
    for (long t = 0; t < k.types; ++t)
        out << "typedef struct Pair" << t << " {\n\tlong x;\n\tlong y;\n} Pair" << t << ";\nPair" << t
            << " p" << t << ";\n";
    for (long v = 0; v < k.variables; ++v) out << "long g" << v << ";\n";
    out << "long arr[11];\n";
    for (long c = 0; c < k.classes; ++c) out << "Class" << c << "* obj" << c << ";\n";
    for (long f = 0; f < k.functions; ++f) {
        out << "\nlong F" << f << "(long a, long b) {\n"
            << "\tlong t = 0;\n\tlong i = 0;\n\tt = a;\n";
        for (long s = 0; s < k.statements; ++s) writeStatementC(out, k, f, s);
        out << "\treturn t;\n}\n";
    }
    out << "\nint main(void) {\n";
    for (long c = 0; c < k.classes; ++c) out << "\tstatic Class" << c << " o" << c << ";\n\tobj" << c << " = &o" << c << ";\n";
    out << "\tprintf(\"%ld\\n\", F" << (k.functions - 1) << "(1, 2));\n\treturn 0;\n}\n";
    return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && !(argc == 8 && std::string(argv[7]) == "c")) {
        std::cerr << "usage: generate_program FOLDER FUNCTIONS STATEMENTS VARIABLES TYPES CLASSES [c]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const Knobs k{std::atol(argv[2]), std::atol(argv[3]), std::max(1L, std::atol(argv[4])), std::atol(argv[5]),
                  std::atol(argv[6])};
    if (argc == 8) return writeCTwin(folder, k);
    for (long c = 0; c < k.classes; ++c) writeClass(folder, c);
    std::ofstream out(folder + "/big.bas", std::ios::binary);
    out << "' A generated program for the translation benchmark.\n";
    for (long c = 0; c < k.classes; ++c) out << "USING Class" << c << "\n";
    for (long t = 0; t < k.types; ++t)
        out << "TYPE Pair" << t << "\n\tx AS Long\n\ty AS Long\nEND TYPE\nDIM p" << t << " AS Pair" << t << "\n";
    for (long v = 0; v < k.variables; ++v) out << "DIM g" << v << " AS Long\n";
    out << "DIM arr(10) AS Long\n";
    for (long c = 0; c < k.classes; ++c) out << "DIM obj" << c << " AS Class" << c << " PTR\n";
    for (long f = 0; f < k.functions; ++f) {
        out << "\nFUNCTION F" << f << "(a AS Long, b AS Long) AS Long\n"
            << "\tDIM t AS Long\n\tDIM i AS Long\n\tt = a\n";
        for (long s = 0; s < k.statements; ++s) writeStatement(out, k, f, s);
        out << "\tF" << f << " = t\nEND FUNCTION\n";
    }
    out << "\nFUNCTION Main()\n";
    for (long c = 0; c < k.classes; ++c) out << "\tobj" << c << " = NEW Class" << c << "\n";
    out << "\tPrint(Str(F" << (k.functions - 1) << "(1, 2)))\nEND FUNCTION\n";
    return out ? 0 : 1;
}
