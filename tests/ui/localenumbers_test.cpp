// Numbers read and shown with the user's locale: what the value display and the price field rely on.

#include "protocol/conversionerror.h"
#include "ui/localenumbers.h"

#include <QLocale>
#include <QTest>

#include <limits>

class LocaleNumbersTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsFloats_data();
    void readsFloats();
    void refusesFloats_data();
    void refusesFloats();
    void formatsValues_data();
    void formatsValues();

private:
    QLocale m_savedLocale;
};

void LocaleNumbersTest::init()
{
    m_savedLocale = QLocale();
}

void LocaleNumbersTest::cleanup()
{
    QLocale::setDefault(m_savedLocale);
}

void LocaleNumbersTest::readsFloats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("en_US 12.5") << "en_US"
                                << "12.5" << 12.5;
    QTest::newRow("de_DE 12,5") << "de_DE"
                                << "12,5" << 12.5;
    QTest::newRow("en_US leading zeros 007") << "en_US"
                                             << "007" << 7.0;
    QTest::newRow("en_US trailing point 12.") << "en_US"
                                              << "12." << 12.0;
    QTest::newRow("en_US blanks at both ends") << "en_US"
                                               << "  12.5 " << 12.5;
    QTest::newRow("en_US signs") << "en_US"
                                 << "-0.5" << -0.5;
    QTest::newRow("en_US plus sign") << "en_US"
                                     << "+2" << 2.0;
    QTest::newRow("en_US exponent 1E3") << "en_US"
                                        << "1E3" << 1000.0;
    QTest::newRow("de_DE exponent 1,5e-2") << "de_DE"
                                           << "1,5e-2" << 0.015;
}

void LocaleNumbersTest::readsFloats()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, number);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(LocaleNumbers::readFloat(text), number);
}

void LocaleNumbersTest::refusesFloats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US empty") << "en_US"
                                 << "";
    QTest::newRow("en_US two points") << "en_US"
                                      << "1.2.3";
    QTest::newRow("en_US comma") << "en_US"
                                 << "12,5";
    QTest::newRow("en_US grouped 1,000") << "en_US"
                                         << "1,000";
    QTest::newRow("de_DE point") << "de_DE"
                                 << "12.5";
    QTest::newRow("de_DE grouped 1.000") << "de_DE"
                                         << "1.000";
    QTest::newRow("en_US letters") << "en_US"
                                   << "12X";
    QTest::newRow("en_US inner blank") << "en_US"
                                       << "1 000";
    QTest::newRow("en_US infinity") << "en_US"
                                    << "inf";
    QTest::newRow("en_US not a number") << "en_US"
                                        << "nan";
    QTest::newRow("en_US beyond double") << "en_US"
                                         << "1E400";
}

void LocaleNumbersTest::refusesFloats()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    try {
        (void)LocaleNumbers::readFloat(text);
        QFAIL("read without error");
    } catch (const talvenor::ConversionError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

void LocaleNumbersTest::formatsValues_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US 12500") << "en_US" << 12500.0 << "12,500.00";
    QTest::newRow("de_DE 12500") << "de_DE" << 12500.0 << "12.500,00";
    QTest::newRow("C grouped as well") << "C" << 12500.0 << "12,500.00";
    QTest::newRow("en_US seven decimals rounded") << "en_US" << 0.123456789 << "0.1234568";
    QTest::newRow("de_DE seven decimals rounded") << "de_DE" << 0.123456789 << "0,1234568";
    QTest::newRow("en_US three decimals") << "en_US" << 1.125 << "1.125";
    QTest::newRow("en_US two decimals at least") << "en_US" << 1.5 << "1.50";
    QTest::newRow("en_US zero") << "en_US" << 0.0 << "0.00";
    QTest::newRow("en_US negative zero") << "en_US" << -0.0 << "0.00";
    QTest::newRow("en_US negative rounding to zero") << "en_US" << -0.00000004 << "0.00";
    QTest::newRow("en_US negative") << "en_US" << -2.5 << "-2.50";
    QTest::newRow("en_US carry into integer") << "en_US" << 9999999.99999999 << "10,000,000.00";
    QTest::newRow("en_US beyond 15 digits") << "en_US" << 1e20 << "100,000,000,000,000,000,000.00";
    QTest::newRow("en_US largest double")
        << "en_US" << std::numeric_limits<double>::max()
        << QLocale(QLocale::English).toString(std::numeric_limits<double>::max(), 'f', 2);
}

void LocaleNumbersTest::formatsValues()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(LocaleNumbers::formatValue(value), text);
}

QTEST_MAIN(LocaleNumbersTest)
#include "localenumbers_test.moc"
