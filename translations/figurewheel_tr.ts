<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Çözümünü kutlayan dansçılar</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Yeşil tepelerin ardından doğan güneş</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Tebrikler!  Başardın!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>En İyi Kim?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Nasıl Oynanır?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Figurewheel&apos;i Kim Yazdı?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Kaç sayı istiyorsun?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Yaşasın</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Çözüm</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Figurewheel&apos;e hoş geldin! Hedefe ulaş ve zamana karşı yarış. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Tahminin</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Hedef sayı</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Bunları birleştir</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>ipucu aldın</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Şimdiye dek</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Kopya çektin!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Arka plan resmi</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Bitirdin!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Harikasın!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Verilen %1. sayı</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Tahminin, %1. kutu</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>%1. ve %2. kutu arasındaki işlem işareti</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Çözüm, %1. kutu</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Çözüm, %1. ve %2. kutu arasındaki işlem işareti</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Ara sonuç</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Süre</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n sayı</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>%1 işareti, tahminine sürükle</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Ara sonuç: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>%1. ve %2. kutu arası: boş.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>%1. ve %2. kutu arası: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>%1. kutu boş.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>%1. kutu: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Çözümde %1. ve %2. kutu arası: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Çözümde %1. kutu: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Değişiklik yok.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>%1. ipucu.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Çözüm: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Çözüm gizlendi.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>times</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>bölü</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Hedef %1. Sayılar: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Elinde: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Yerine kondu.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Hedef %1. Ara sonuç: %2. Süre: %3 saniye.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>En İyi Kim?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Adın</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Adın ne?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Yeni bir rekor!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Denize bakan bir denizci</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Tebrikler!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Figurewheel fırıldağı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Yalnızca test için beta sürümü!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Figurewheel Hakkında</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Figurewheel nasıl oynanır?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Nasıl oynanır: kaç sayı istediğini seç, sayıları ve işlem işaretlerini tahminine sürükleyerek hedefi tuttur, takılırsan Çözüm ya da İpucu düğmesini kullan</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Kendi bulmacanı çözmek için tıkla!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Bulmacayı Çöz!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Şu sayıları toplayıp çıkararak, çarpıp bölerek</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>şu sonuca ulaşabilir misin?</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>İşte çözüm:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Şimdi sıra sende: kendi bulmacanı çöz!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Figurewheel&apos;i denediğin için teşekkürler!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Sayıları ve işlem işaretlerini, tahminin hedefi tutana dek buraya sürükle!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Çözümü görmek için tıkla</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>İpucu için tıkla</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>Bir Fig Wheeler oyunu</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler düşüncelerini duymayı çok ister!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Sürüm %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Kutlama sesi</translation>
    </message>
</context>
</TS>
