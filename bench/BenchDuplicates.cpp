#include "CBookGenerator.h"
#include "core/duplicates/CDuplicateFinder.h"
#include "core/model/CPersonalData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr std::size_t PERSONS = 100000;
constexpr std::size_t DUPLICATES = PERSONS / 100;

// The generator repeats names and e-mail addresses as real books do with common names; here
// each person gets a number so that only the duplicates put in on purpose, and phone numbers
// shared by chance, are found.
std::vector<std::unique_ptr<CPersonalData>> MakeBook() {
    CBookGenerator generator;
    std::vector<std::unique_ptr<CPersonalData>> persons;
    const auto add = [&persons](const CBookGenerator::CTexts& texts) {
        std::array<std::string_view, CPersonalData::TEXT_COUNT> views;
        std::copy(texts.begin(), texts.end(), views.begin());
        persons.push_back(std::make_unique<CPersonalData>(views, CPersonalData::SEX_NONE));
    };
    std::vector<CBookGenerator::CTexts> originals;
    for (std::size_t i = 0; i < PERSONS - DUPLICATES; ++i) {
        CBookGenerator::CTexts texts = generator.MakePersonTexts();
        const std::string number = std::to_string(i);
        texts[static_cast<std::size_t>(EPersonText::Name)] += number;
        for (const EPersonText email : {EPersonText::Email1, EPersonText::Email2}) {
            std::string& text = texts[static_cast<std::size_t>(email)];
            if (!text.empty())
                text = "p" + number + "." + text;
        }
        originals.push_back(texts);
        add(texts);
    }
    // The same person typed again: without the blank in the name, with the e-mail address in
    // capitals, or with the phone number in its international form.
    std::mt19937 random(7);
    for (std::size_t i = 0; i < DUPLICATES; ++i) {
        CBookGenerator::CTexts texts = originals[random() % originals.size()];
        std::string& name = texts[static_cast<std::size_t>(EPersonText::Name)];
        std::string& email = texts[static_cast<std::size_t>(EPersonText::Email1)];
        std::string& tel = texts[static_cast<std::size_t>(EPersonText::Tel1)];
        if (i % 3 == 0) {
            name.erase(name.find("\x81\x40"), 2); // the ideographic space
            email.clear();
            tel.clear();
        } else if (i % 3 == 1 && !email.empty()) {
            std::transform(email.begin(), email.end(), email.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
            name = "X" + std::to_string(i);
            tel.clear();
        } else {
            tel = "+81 " + tel.substr(1);
            name = "Y" + std::to_string(i);
            email.clear();
        }
        texts[static_cast<std::size_t>(EPersonText::Tel2)].clear();
        texts[static_cast<std::size_t>(EPersonText::Email2)].clear();
        add(texts);
    }
    return persons;
}

void FindDuplicates(benchmark::State& state) {
    const std::vector<std::unique_ptr<CPersonalData>> book = MakeBook();
    std::vector<const CPersonalData*> persons;
    for (const auto& person : book)
        persons.push_back(person.get());
    const CDuplicateFinder finder;
    std::size_t sets = 0;
    for (auto _ : state) {
        const std::vector<CDuplicateSet> found = finder.Find(persons);
        sets = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (sets < DUPLICATES * 9 / 10)
        state.SkipWithError("the duplicates put in were not found");
    state.counters["persons"] = static_cast<double>(persons.size());
    state.counters["sets"] = static_cast<double>(sets);
}
BENCHMARK(FindDuplicates)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
