// Holders as a finance office types them.
#include "bench/holder.h"

#include "bench/name_lists.h"

#include <QDate>
#include <QString>

namespace velmar::bench {

namespace {

std::string pickText(Random& random, std::span<const char* const> items) { return random.pick(items); }

std::string digits(std::int64_t value, int width)
{
    std::string text = std::to_string(value);
    return std::string(size_t(std::max(0, width - int(text.size()))), '0') + text;
}

int digitSum(const std::string& body, const char* weights)
{
    int sum = 0;
    for (size_t i = 0; i < body.size(); ++i)
        sum += (body[i] - '0') * (weights[i] - '0');
    return sum;
}

// Codes carry valid control digits (the public CNP and fiscal-code rules), as validation would demand.
std::string personalCode(Random& random, bool female)
{
    const QDate birth = QDate(1935, 1, 1).addDays(random.between(0, QDate(1935, 1, 1).daysTo(QDate(2000, 12, 31))));
    const bool born2000s = birth.year() >= 2000;
    const int sex = (born2000s ? 5 : 1) + (female ? 1 : 0);
    const std::string body = std::to_string(sex) + digits(birth.year() % 100, 2) + digits(birth.month(), 2) +
        digits(birth.day(), 2) + digits(random.between(1, 40), 2) + digits(random.between(1, 999), 3);
    const int control = digitSum(body, "279146358279") % 11;
    return body + std::to_string(control == 10 ? 1 : control);
}

std::string fiscalCode(Random& random)
{
    const std::string body = std::to_string(random.between(100000, 49999999));
    // The weights 753217532 line up with the body's last digits.
    const char* weights = "753217532";
    const int control = digitSum(body, weights + (9 - body.size())) * 10 % 11;
    return body + std::to_string(control == 10 ? 0 : control);
}

std::string personName(Random& random, bool female)
{
    const auto firstNames = female ? femaleFirstNames() : maleFirstNames();
    std::string name = pickText(random, surnames());
    const int given = random.percent(15) ? 2 : 1;
    for (int i = 0; i < given; ++i)
        name.append(" ").append(random.pick(firstNames));
    return name;
}

std::string companyName(Random& random)
{
    return "SC " + pickText(random, companyStems()) + " " + pickText(random, companyTrades()) + " SRL";
}

std::string address(Random& random)
{
    std::string text = "Str. " + pickText(random, streets()) + " nr. " + std::to_string(random.between(1, 180));
    if (random.percent(25))
        text += ", bl. " + std::string(1, char('A' + random.between(0, 7))) + std::to_string(random.between(1, 20)) +
            ", sc. " + std::string(1, char('A' + random.between(0, 3))) + ", ap. " +
            std::to_string(random.between(1, 80));
    return text;
}

std::string upper(const std::string& text) { return QString::fromUtf8(text).toUpper().toStdString(); }

}  // namespace

Holder makeHolder(Random& random)
{
    Holder holder;
    const bool company = random.percent(8);
    const bool female = random.percent(45);
    holder.name = company ? companyName(random) : personName(random, female);
    if (random.percent(40))  // some clerks type names in capitals
        holder.name = upper(holder.name);
    holder.taxRoll = std::to_string(random.between(1, 60000));
    if (!random.percent(3))
        holder.code = company ? fiscalCode(random) : personalCode(random, female);
    holder.address = address(random);
    const Locality& place = random.pick(localities());
    holder.locality = place.name;
    holder.county = place.county;
    return holder;
}

}  // namespace velmar::bench
