// inMod against the literal rendering of its ten steps: they must agree on
// every text.
#include "FuzzSupport.h"
#include "LiteralInMod.h"
#include "solver/MatrixText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString typed = fuzz::TextFromBytes(data, size);
  const QString kept = typed;
  const QString fast = MatrixText::inMod(typed);
  const QString literal = fuzz::LiteralInMod(typed);
  fuzz::Check(typed == kept, "inMod changed its argument");
  fuzz::Check(fast == literal, "inMod " + fuzz::Quoted(fast) + " but the ten steps give " +
                                   fuzz::Quoted(literal) + " for " + fuzz::Quoted(typed));
  return 0;
}
