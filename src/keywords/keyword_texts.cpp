#include "keywords/keyword_texts.hpp"

#include <algorithm>
#include <array>

namespace solvaris {

namespace {

using Kind = KeywordTopicKind;

// Row by row, as the window writes the labels into its grid.
constexpr std::array<std::array<std::string_view, kKeywordGridColumns>, kKeywordGridRows>
    kGridLabels = {{
        {"Sun", "Aries", "1st house", "Fire"},
        {"Moon", "Taurus", "2nd house", "Earth"},
        {"Mercury", "Gemini", "3rd house", "Air"},
        {"Venus", "Cancer", "4th house", "Water"},
        {"Mars", "Leo", "5th house", ""},
        {"Jupiter", "Virgo", "6th house", "Cardinal"},
        {"Saturn", "Libra", "7th house", "Fixed"},
        {"Uranus", "Scorpio", "8th house", "Common"},
        {"Neptune", "Sagittarius", "9th house", ""},
        {"Pluto", "Capricorn", "10th house", "General 1"},
        {"Aspects", "Aquarius", "11th house", "General 2"},
        {"Symbolism", "Pisces", "12th house", "General 3"},
    }};

// Two aspects to a line; held as lines because each ends with its own break.
constexpr std::array<std::string_view, 5> kAspectLines = {
    "Conjunction: Prominence, Semi-sextile: Growth",
    "Sextile: Opportunity, Square: Obstacle",
    "Trine: Luck, Quincunx: Expansion",
    "Semi-square: Friction, Opposition: Separation",
    "Sesquisquare: Agitation, Parallel: Intensity",
};

constexpr KeywordTopic Planet(std::string_view label, std::string_view text, std::string_view best,
                              std::string_view worst, std::string_view thought) {
    return {label, Kind::Planet, text, best, worst, thought};
}

constexpr KeywordTopic Sign(std::string_view label, std::string_view text, std::string_view best,
                            std::string_view worst, std::string_view thought) {
    return {label, Kind::Sign, text, best, worst, thought};
}

constexpr KeywordTopic Text(std::string_view label, std::string_view text) {
    return {label, Kind::Text, text, {}, {}, {}};
}

// Sign descriptions follow the lead-in "In the house where <sign> rules the
// cusp is where:", so each one says what happens in that house.
constexpr std::array kTopics = {
    Planet("Sun",
           "The Sun is the centre of the chart as it is the centre of the "
           "solar system. It shows the will to live, to be someone and to "
           "direct one's own life. Its house is where the person most wants "
           "to shine, and its sign tells how he goes about it.",
           "Rulership", "Dictativeness", "Power"),
    Planet("Moon",
           "The Moon shows the feelings, moods, habits and memory, and the "
           "need to care and to be cared for. It changes quickly, as the "
           "Moon changes its shape. Its house is where the person looks for "
           "comfort and where his life changes most often.",
           "Adaptability", "Inconstancy", "Domestic"),
    Planet("Mercury",
           "Mercury is the messenger: the mind that learns, speaks, writes "
           "and works with the hands. It never strays far from the Sun. Its "
           "sign tells how the person thinks, and its house what he thinks "
           "about most.",
           "Expression", "Restlessness", "Intellectual"),
    Planet("Venus",
           "Venus shows love, beauty, pleasure and the way a person gets on "
           "with others. It tells what he finds attractive and how he gives "
           "and receives affection. Its house is where he looks for harmony "
           "and company.",
           "Affection", "Pliancy (bending too easily, taking the easy way out)", "Social"),
    Planet("Mars",
           "Mars is the energy to act, to compete, to defend and to win; "
           "without it nothing would be started. Its sign tells how the "
           "person works and fights, and its house where he spends his "
           "effort and meets conflict.",
           "Initiative", "Harshness", "Aggressive"),
    Planet("Jupiter",
           "Jupiter is the urge to grow, to give and to believe in something "
           "larger than oneself. It brings hope, generosity and often good "
           "fortune. Its house is where the person prospers, and also where "
           "he is most likely to overdo things.",
           "Benevolence (kindness)", "Conceit", "Religious"),
    Planet("Saturn",
           "Saturn sets limits, builds walls and plans for the long run. It "
           "is the wish for security and the patience to earn it. Its house "
           "is where life makes the person work hardest and teaches him its "
           "deepest lessons.",
           "System and organization", "Selfishness", "Safety"),
    Planet("Uranus",
           "Uranus is the urge to be free, to be different and to find a new "
           "way. It brings invention, reform and sudden change. It stays "
           "seven years in a sign, so its house says more about the person "
           "than its sign does.",
           "Originality", "Eccentricity", "Individualistic"),
    Planet("Neptune",
           "Neptune is the longing for a world better than this one: vision, "
           "inspiration, compassion and the arts. It can also blur and "
           "deceive. Its house is where the person idealises and must take "
           "care to see clearly.",
           "Idealism", "Vagueness", "Utopian"),
    Planet("Pluto",
           "Pluto is the farthest and slowest of the planets: the power to "
           "end what is worn out and to begin again. It works for the good "
           "of many, beyond the self and the family. Its house is where the "
           "person meets deep change.",
           "Spirituality", "Inversion (turning things upside down)", "Universal welfare"),
    Sign("Aries",
         "The person acts first, wants to lead and starts things with "
         "courage and haste. Aries is a fire sign of the cardinal quality, "
         "ruled by Mars. Here he is eager, direct and impatient of delay.",
         "Leadership", "Officiousness (minding other people's business, meddling)", "Egotistical"),
    Sign("Taurus",
         "The person builds slowly and holds on to what is built. Taurus is "
         "an earth sign of the fixed quality, ruled by Venus. Here he wants "
         "comfort, security and things of lasting worth.",
         "Stability", "Obstinacy", "Possessive"),
    Sign("Gemini",
         "The person thinks, talks and tries many things at once. Gemini is "
         "an air sign of the common quality, ruled by Mercury. Here he is "
         "curious, quick, restless and fond of variety.",
         "Versatility", "Changeableness", "Thought"),
    Sign("Cancer",
         "The person feels deeply, protects and holds on. Cancer is a water "
         "sign of the cardinal quality, ruled by the Moon. Here he seeks "
         "safety and belonging, and remembers every kindness and every "
         "hurt.",
         "Tenacity", "Touchiness", "Feeling"),
    Sign("Leo",
         "The person wants to shine, to be admired and to give warmth. Leo "
         "is a fire sign of the fixed quality, ruled by the Sun. Here he is "
         "proud, generous and loyal, and likes to be in charge.",
         "Kindness", "Domination", "Will"),
    Sign("Virgo",
         "The person sorts out the details and puts things right. Virgo is "
         "an earth sign of the common quality, ruled by Mercury. Here he is "
         "careful, exact, modest and eager to be of use.",
         "Analysis", "Criticism", "Analytical"),
    Sign("Libra",
         "The person looks for balance, fairness and good company. Libra is "
         "an air sign of the cardinal quality, ruled by Venus. Here he works "
         "with others, keeps the peace and cares for beauty and good "
         "manners.",
         "Affability", "Approbation (always needing approval)", "Equilibrium"),
    Sign("Scorpio",
         "The person acts with intensity and keeps his own counsel. Scorpio "
         "is a water sign of the fixed quality, ruled by Pluto and, of old, "
         "by Mars. Here he holds to a purpose until it is won, and rises "
         "again after any defeat.",
         "Resourcefulness", "Troublesomeness", "Desire"),
    Sign("Sagittarius",
         "The person aims high and far and looks for the meaning behind "
         "things. Sagittarius is a fire sign of the common quality, ruled "
         "by Jupiter. Here he is frank, hopeful and fond of freedom, travel "
         "and learning.",
         "Loyalty", "Sportiveness", "Comprehension"),
    Sign("Capricorn",
         "The person climbs step by careful step towards a goal. Capricorn "
         "is an earth sign of the cardinal quality, ruled by Saturn. Here "
         "he is patient, sober and ambitious, and plans well ahead.",
         "Diplomacy", "Deceitfulness", "Utility"),
    Sign("Aquarius",
         "The person thinks for himself and works for the good of the "
         "group. Aquarius is an air sign of the fixed quality, ruled by "
         "Uranus and, of old, by Saturn. Here he is friendly, fair-minded "
         "and open to new ideas, yet firm in his views.",
         "Altruism", "Argumentation", "Knowledge"),
    Sign("Pisces",
         "The person acts through feeling, imagination and service to "
         "others. Pisces is a water sign of the common quality, ruled by "
         "Neptune and, of old, by Jupiter. Here he is gentle, sympathetic "
         "and easily moved.",
         "Sympathy", "Worry", "Belief"),
    Text("1st house",
         "The 1st house is the self: the body, the personality, the outward "
         "manner and the way one meets the world."),
    Text("2nd house",
         "The 2nd house is what one owns and earns: money, possessions, "
         "resources and the things one values."),
    Text("3rd house",
         "The 3rd house is the near world: speech, writing, study, brothers "
         "and sisters, neighbours and short journeys."),
    Text("4th house",
         "The 4th house is the home and the roots: family, a parent, land "
         "and property, and the close of life."),
    Text("5th house",
         "The 5th house is what the heart makes and enjoys: children, "
         "creative work, love affairs, pleasure and speculation."),
    Text("6th house",
         "The 6th house is the daily round: work, service, health, habits, "
         "employees and small animals."),
    Text("7th house",
         "The 7th house is the other person: marriage, partners, contracts, "
         "open rivals and the public."),
    Text("8th house",
         "The 8th house is what is shared and what ends: joint money, "
         "legacies, debts, death and rebirth."),
    Text("9th house",
         "The 9th house is the far world and the wide view: higher "
         "learning, religion, philosophy, law, publishing and long "
         "journeys."),
    Text("10th house",
         "The 10th house is the public life: career, honour, reputation, "
         "authority and the other parent."),
    Text("11th house",
         "The 11th house is the company of many: friends, groups and "
         "societies, patrons, and one's hopes and wishes."),
    Text("12th house",
         "The 12th house is what is out of sight: hidden matters, "
         "seclusion, hospitals and other institutions, secret enemies and "
         "quiet service."),
    Text("Fire",
         "Fire (Aries, Leo, Sagittarius) is the element of enthusiasm, "
         "courage, action and hope."),
    Text("Earth",
         "Earth (Taurus, Virgo, Capricorn) is the element of practical "
         "sense, patience, work and material things."),
    Text("Air",
         "Air (Gemini, Libra, Aquarius) is the element of ideas, words and "
         "dealings with other people."),
    Text("Water",
         "Water (Cancer, Scorpio, Pisces) is the element of feeling, "
         "sympathy, memory and intuition."),
    Text("Cardinal",
         "The cardinal signs (Aries, Cancer, Libra, Capricorn) start "
         "things: they act, lead and meet change head on."),
    Text("Fixed",
         "The fixed signs (Taurus, Leo, Scorpio, Aquarius) hold on: they "
         "persist, finish what is begun and resist change."),
    Text("Common",
         "The common signs (Gemini, Virgo, Sagittarius, Pisces) adjust: "
         "they adapt, serve and change with circumstances."),
    Text("General 1",
         "Each planet is a drive: it tells WHAT the person wants.\n"
         "Each sign is a way of acting: it tells HOW the drive works.\n"
         "Each house is a field of life: it tells WHERE the drive works.\n"
         "Each aspect joins two drives: it tells how they CONNECT."),
    Text("General 2",
         "To read a planet, join its keywords into one sentence.\n"
         "Take the drive from the planet's thought series.\n"
         "Take the manner from the sign's best or worst quality.\n"
         "Take the field of life from the house.\n"
         "Sun in Leo in the 10th: the Power drive works through Kindness in "
         "career."),
    Text("General 3",
         "No planet, sign or house is good or bad in itself.\n"
         "Each has a best and a worst quality, and the person chooses.\n"
         "Easy aspects make the best quality come more naturally.\n"
         "Hard aspects make the worst more likely, and build strength.\n"
         "Read a chart as a set of choices, not as a fate."),
    Text("Symbolism",
         "The glyphs of the planets are built from three figures.\n"
         "The circle stands for spirit, the whole self.\n"
         "The crescent stands for the soul and the feelings.\n"
         "The cross stands for matter and the work of the world.\n"
         "Venus is a circle above a cross: spirit raised above matter."),
    KeywordTopic{"Aspects", Kind::Aspects, {}, {}, {}, {}},
};

// A label added to the grid without a text would show an empty box.
constexpr bool EveryLabelHasTopic() {
    for (const auto& row : kGridLabels) {
        for (std::string_view label : row) {
            const bool found =
                std::any_of(kTopics.begin(), kTopics.end(),
                            [label](const KeywordTopic& t) { return t.label == label; });
            if (!label.empty() && !found) {
                return false;
            }
        }
    }
    return true;
}
static_assert(EveryLabelHasTopic());

void AppendKeywordLines(std::string& message, const KeywordTopic& topic) {
    message += topic.text;
    message += "\n\n";
    message += "Best quality: ";
    message += topic.bestQuality;
    message += "\n";
    message += "Worst quality: ";
    message += topic.worstQuality;
    message += "\n";
    message += "Thought series: ";
    message += topic.thoughtSeries;
}

}  // namespace

const KeywordTopic* FindKeywordTopic(std::string_view label) {
    const auto* it =
        std::find_if(kTopics.begin(), kTopics.end(),
                     [label](const KeywordTopic& topic) { return topic.label == label; });
    return it == kTopics.end() ? nullptr : it;
}

std::string_view KeywordCellLabel(int row, int column) {
    if (row < 0 || row >= kKeywordGridRows || column < 0 || column >= kKeywordGridColumns) {
        return {};
    }
    return kGridLabels[row][column];
}

std::string KeywordMessage(std::string_view cellLabel) {
    // The empty label of the two blank cells names no topic.
    const KeywordTopic* topic = FindKeywordTopic(cellLabel);
    if (topic == nullptr) {
        return {};
    }
    std::string message;
    switch (topic->kind) {
        case Kind::Planet: AppendKeywordLines(message, *topic); break;
        case Kind::Sign:
            message += "In the house where ";
            message += topic->label;
            message += " rules the cusp is where:\n\n";
            AppendKeywordLines(message, *topic);
            break;
        case Kind::Text: message += topic->text; break;
        case Kind::Aspects:
            for (std::string_view line : kAspectLines) {
                message += line;
                message += "\n";
            }
            break;
    }
    return message;
}

}  // namespace solvaris
