// The system's speech service behind the program's speech seam. Built as a module of its own and loaded
// only when reading aloud is switched on, so a silent game never loads the speech libraries.
#include "platform/speech.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {

class SystemSpeech final : public platform::Speech {
public:
    SystemSpeech()
    {
        // German as spoken in Germany where there is a choice.
        QLocale german;
        for (const QLocale& locale : speech_.availableLocales()) {
            if (locale.language() == QLocale::German &&
                (german.language() != QLocale::German || locale.territory() == QLocale::Germany))
                german = locale;
        }
        if (german.language() != QLocale::German) return;
        speech_.setLocale(german);
        german_ = !speech_.availableVoices().isEmpty();
    }

    // Saying cuts off what is being said.
    void say(const QString& text) override { speech_.say(text); }
    void stop() override { speech_.stop(); }
    bool speaking() const override { return speech_.state() == QTextToSpeech::Speaking; }
    bool possible() const override { return german_ && speech_.state() != QTextToSpeech::Error; }

private:
    QTextToSpeech speech_;
    bool german_ = false;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::Speech* pelkoCreateSpeech() { return new SystemSpeech(); }
