// Matrix operations on the worked examples, and their shape failures.
#include <gtest/gtest.h>

#include "Outcome.h"

namespace {

using namespace zqtest;
using zq::BigMatrix;

struct SystemCase {
  const char* a;
  const char* b;
  const char* solution;  // rows of A^-1 B
  const char* det;
};

TEST(BigMatrix, SolvesTheWorkedExamples) {
  const SystemCase cases[] = {
      {"2,1,-5;-3,-1,2;-3,1,-2;", "8;-11;-3;", "7/3 / 40/9 / 2/9", "18"},
      {"2,1,-5;-3,-1,2;-3,1,-2;", "8,3;-11,-5;-3,2;", "7/3 1/2 / 40/9 9/2 / 2/9 1/2", "18"},
      {"2,1/3,-2/5;-2/3,0,-1;-2/7,5,-1/12;", "1;2;3;", "21/4313 / 2445/4313 / -8640/4313", "4313/378"},
      {"1e-3,1/3,5.67;-2,0,7.6/3;2e4,-6,1.57e4/2;", "1;2;3;",
       "-59440950/249640621 / -3610162371/499281242 / 150157635/249640621", "249640621/11250"},
      {"1,2;1/3,20000000003/30000000000;", "1;2;", "-99999999997/3 / 50000000000/3", "1/10000000000"},
      {"4;", "2;", "1/2", "4"},
  };
  for (const auto& c : cases) {
    const BigMatrix a(c.a), b(c.b);
    EXPECT_EQ(a.Det().Str(), c.det) << c.a;
    EXPECT_EQ(Rows(a.Invert().Operator_Multiply(b)), c.solution) << c.a;
  }
}

TEST(BigMatrix, ReducesAugmentedMatricesToRowEchelonForm) {
  struct Case {
    const char* a;
    const char* b;
    const char* rref;
  } cases[] = {
      {"1,2,3;4,5,6;7,8,9;", "1;2;3;", "1 0 -1 -1/3 / 0 1 2 2/3 / 0 0 0 0"},
      {"1,2;", "3;", "1 2 3"},
      {"1;2;", "3;6;", "1 3 / 0 0"},
      {"0,0;0,0;", "0;0;", "0 0 0 / 0 0 0"},
      {"1,2,3;4,5,6;7,8,9;", "1;2;4;", "1 0 -1 0 / 0 1 2 0 / 0 0 0 1"},
  };
  for (const auto& c : cases) {
    const BigMatrix a(c.a), b(c.b);
    const BigMatrix augmented = a.ColumnAugment(b);
    EXPECT_EQ(augmented.NumColumns(), a.NumColumns() + b.NumColumns());
    EXPECT_EQ(Rows(augmented.ReduceRowEchelon()), c.rref) << c.a << " | " << c.b;
  }
  EXPECT_EQ(Rows(BigMatrix("1,2;3,4").ColumnAugment(BigMatrix("5,6;7,8"))), "1 2 5 6 / 3 4 7 8");
}

TEST(BigMatrix, SingularMatricesHaveDetZeroAndNoInverse) {
  const BigMatrix a("1,2,3;4,5,6;7,8,9;");
  EXPECT_EQ(a.Det().Str(), "0");
  EXPECT_EQ(a.Det().Operator_Compare(0), 0);
  EXPECT_EQ(Outcome([&] { return Rows(a.Invert()); }), kDivideByZero);
  EXPECT_EQ(Outcome([] { return Rows(BigMatrix("0").Invert()); }), kDivideByZero);
}

TEST(BigMatrix, ShapesAreCheckedBeforeAnyWork) {
  const BigMatrix wide("1,2,3;4,5,6"), square("1,2;3,4"), column("1;2;3");
  const BigMatrix inverse = square.Invert();
  const std::pair<const char*, std::function<std::string()>> cases[] = {
      {"Det of 2x3", [&] { return wide.Det().Str(); }},
      {"Invert of 2x3", [&] { return Rows(wide.Invert()); }},
      {"Det of 3x1", [&] { return column.Det().Str(); }},
      {"2x2 times 3x1", [&] { return Rows(square.Operator_Multiply(column)); }},
      {"2x3 times 2x2", [&] { return Rows(wide.Operator_Multiply(square)); }},
      {"inverse 2x2 times 3x1", [&] { return Rows(inverse.Operator_Multiply(column)); }},
      {"2x3 times inverse 2x2", [&] { return Rows(wide.Operator_Multiply(inverse)); }},
      {"augment 2 rows with 3", [&] { return Rows(square.ColumnAugment(column)); }},
      {"augment inverse with 3 rows", [&] { return Rows(inverse.ColumnAugment(column)); }},
      {"element (-1, 0)", [&] { return square.GetElement(-1, 0).Str(); }},
      {"element (0, -1)", [&] { return square.GetElement(0, -1).Str(); }},
      {"element (2, 0)", [&] { return square.GetElement(2, 0).Str(); }},
      {"element (0, 2)", [&] { return square.GetElement(0, 2).Str(); }},
      {"inverse element (2, 2)", [&] { return inverse.GetElement(2, 2).Str(); }},
      {"element of empty", [] { return BigMatrix().GetElement(0, 0).Str(); }},
  };
  for (const auto& [what, f] : cases) EXPECT_EQ(Outcome(f), kArithmetic) << what;
}

TEST(BigMatrix, ProductsOfExplicitMatricesAndInverses) {
  const BigMatrix a("2,1,-5;-3,-1,2;-3,1,-2"), row("1,2,3"), column("8;-11;-3");
  EXPECT_EQ(Rows(column.Operator_Multiply(BigMatrix("1,2"))), "8 16 / -11 -22 / -3 -6");
  EXPECT_EQ(Rows(row.Operator_Multiply(column)), "-23");
  EXPECT_EQ(Rows(a.Operator_Multiply(a.Invert())), "1 0 0 / 0 1 0 / 0 0 1");
  EXPECT_EQ(Rows(a.Invert().Operator_Multiply(a)), "1 0 0 / 0 1 0 / 0 0 1");
  // row * A^-1 is solved from the right; multiplying back by A gives row again.
  EXPECT_EQ(Rows(row.Operator_Multiply(a.Invert()).Operator_Multiply(a)), "1 2 3");
  EXPECT_EQ(Rows(a.Invert().Operator_Multiply(a.Invert()).Operator_Multiply(a).Operator_Multiply(a)),
            "1 0 0 / 0 1 0 / 0 0 1");
}

TEST(BigMatrix, InverseReadsLikeAnyMatrix) {
  const BigMatrix a("2,1/3,-2/5;-2/3,0,-1;-2/7,5,-1/12");
  const BigMatrix inverse = a.Invert();
  EXPECT_EQ(inverse.NumRows(), 3);
  EXPECT_EQ(inverse.NumColumns(), 3);
  EXPECT_EQ(Rows(inverse), "1890/4313 -1491/8626 -126/4313 / 87/4313 -531/21565 4284/21565 / "
                           "-1260/4313 -3816/4313 84/4313");
  EXPECT_EQ(inverse.Det().Str(), "378/4313");
  EXPECT_EQ(Rows(inverse.Invert()), Rows(a));
  // [A^-1 | b] reduces to [I | A b].
  const BigMatrix b("1;2;3"), ab = a.Operator_Multiply(b);
  EXPECT_EQ(Rows(inverse.ColumnAugment(b).ReduceRowEchelon()),
            "1 0 0 " + ab.GetElement(0, 0).Str() + " / 0 1 0 " + ab.GetElement(1, 0).Str() + " / 0 0 1 " +
                ab.GetElement(2, 0).Str());
  const BigMatrix copy = inverse;
  EXPECT_EQ(Rows(copy), Rows(inverse));
}

TEST(BigMatrix, EmptyMatrix) {
  const BigMatrix empty;
  EXPECT_EQ(empty.NumRows(), 0);
  EXPECT_EQ(empty.NumColumns(), 0);
  EXPECT_EQ(empty.Det().Str(), "1");
  EXPECT_EQ(empty.Invert().NumRows(), 0);
  EXPECT_EQ(empty.Invert().Operator_Multiply(empty).NumColumns(), 0);
  EXPECT_EQ(empty.ReduceRowEchelon().NumRows(), 0);
  BigMatrix moved("1,2");
  BigMatrix target = std::move(moved);
  EXPECT_EQ(Rows(target), "1 2");
  EXPECT_EQ(moved.NumRows(), 0);  // a moved-from matrix is the empty one
}

}  // namespace
