<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Tancerze świętują twój sukces</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Słońce wschodzi za zielonymi wzgórzami</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Gratulacje!  Udało ci się!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Kto jest najlepszy?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Jak grać?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Kto stworzył Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Ile liczb chcesz?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hura</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Rozwiązanie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Witaj w Figurewheel! Trafiaj w cel i wygraj z czasem. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Twoja próba</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Ma wyjść</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Połącz te liczby</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>podpowiedzi</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Wykorzystano</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Podpatrzone!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Brawo!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Liczba %1 z puli</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Twoja próba, pole %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Znak działania między polami %1 i %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Rozwiązanie, pole %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Rozwiązanie, znak działania między polami %1 i %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Bieżący wynik</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Czas</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n liczba</numerusform>
            <numerusform>%n liczby</numerusform>
            <numerusform>%n liczb</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Znak %1, przeciągnij go do swojej próby</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Między polami %1 i %2: nic.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Między polami %1 i %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Pole %1 puste.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Pole %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Rozwiązanie, między polami %1 i %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Rozwiązanie, pole %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Bez zmian.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Podpowiedź %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Rozwiązanie: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Rozwiązanie ukryte.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>razy</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>podzielić przez</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Cel %1. Liczby: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Trzymasz: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Odłożono.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Cel %1. Wynik: %2. Czas: %3 sekunda.</numerusform>
            <numerusform>Cel %1. Wynik: %2. Czas: %3 sekundy.</numerusform>
            <numerusform>Cel %1. Wynik: %2. Czas: %3 sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sek.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Kto jest najlepszy?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Jak masz na imię?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Mamy nowy rekord!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Żeglarz patrzy na morze</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Wiatraczek Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Wersja beta, tylko do testów!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>O grze Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Jak grać w Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Jak grać: wybierz, ile ma być liczb, przeciągaj liczby i znaki działań do swojej próby, aż wynik będzie równy celowi, a gdy utkniesz, użyj przycisku Rozwiązanie lub Podpowiedź</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Kliknij i rozwiąż własną zagadkę!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Rozwiąż zagadkę!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Czy umiesz dodawać, odejmować, mnożyć i dzielić te liczby</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>tak, by wyszedł ten wynik:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Oto rozwiązanie:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Teraz rozwiąż własną zagadkę!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Dzięki za wypróbowanie Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Przeciągaj tu liczby i znaki działań, aż twoja próba będzie równa celowi!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Kliknij, aby zobaczyć rozwiązanie</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Kliknij tu po podpowiedź</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>autor: Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler chętnie pozna twoją opinię!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Dźwięk zwycięstwa</translation>
    </message>
</context>
</TS>
