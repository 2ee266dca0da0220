#include "balance/working_values.h"

#include <algorithm>
#include <cmath>

#include "model/input_rules.h"
#include "model/mixed_list.h"
#include "model/numbers.h"

namespace tamo::balance {

namespace {

// A bonus the bonus rule refuses reads as 0, and so does a lone "-": the box accepts it
// while the user is still typing a negative number.
std::int64_t read_bonus(const std::string& text) {
  if (!isvalidanynumber(text) || text == "-") return 0;
  return str2int(text);
}

}  // namespace

std::int64_t cut(long double x) {
  return static_cast<std::int64_t>(std::trunc(x));
}

WorkingValues gather(const ItemValues& item) {
  WorkingValues w;
  w.L = str2int(item.minlevel);
  // Read in this order so that of two broken texts the same one is named every time.
  for (Bonus b :
       {Bonus::ero, Bonus::allo, Bonus::ugyi, Bonus::iq, Bonus::bolcsi, Bonus::kari, Bonus::tb,
        Bonus::sb, Bonus::hp, Bonus::mp, Bonus::sp, Bonus::ac, Bonus::magi, Bonus::meri}) {
    const auto i = static_cast<std::size_t>(b);
    w.bonus[i] = read_bonus(item.bonuses[i]);
  }
  w.ATTR = w[Bonus::ero] + w[Bonus::allo] + w[Bonus::ugyi] + w[Bonus::iq] + w[Bonus::bolcsi] +
           w[Bonus::kari];
  w.TBSB = w[Bonus::tb] + w[Bonus::sb];
  w.HMS = w[Bonus::hp] + w[Bonus::mp] + w[Bonus::sp];
  w.AC = w.AC0 = w[Bonus::ac];
  w.IMM = w[Bonus::magi] + w[Bonus::meri];
  w.R = std::min<std::int64_t>(std::min<std::int64_t>(str2int(item.rarity), w.L + 20), 50);
  w.W = str2int(item.weight);
  w.V = str2int(item.value);
  w.WC1 = str2int(item.wc1);
  w.WC2 = str2int(item.wc2);
  w.anti_good = strtob(query_mixed(item.antis, "jo"));
  w.anti_neutral = strtob(query_mixed(item.antis, "semleges"));
  w.anti_evil = strtob(query_mixed(item.antis, "gonosz"));
  return w;
}

void apply_rarity(WorkingValues& w) {
  const bool rare = w.R >= 1;
  w.K = 1;
  if (rare) w.K = round_real48(1 + 0.005L * static_cast<long double>(w.R));
  // Only one alignment may use it: forbidden to the neutral and to one of the other two.
  if (w.anti_neutral && (w.anti_good || w.anti_evil))
    w.K = round_real48(w.K * (1 / round_real48(0.95L)));
  if (!rare) return;
  for (std::int64_t* x : {&w.TBSB, &w.HMS, &w.IMM, &w.AC, &w.V, &w.AVG})
    *x = cut(static_cast<long double>(*x) / w.K);
  w.W = cut(static_cast<long double>(w.W) * w.K);
}

}  // namespace tamo::balance
