<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Танцюристи святкують вашу перемогу</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Сонце сходить з-за зелених пагорбів</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Вітаємо!  Ви впоралися!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Хто найкращий?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Як грати?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Хто створив Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Скільки чисел ви хочете?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Ура</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Ласкаво просимо до Figurewheel! Досягніть мети й випередіть час. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Ваш варіант</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Має вийти</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>З цих чисел</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>за гру</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Використано підказок:</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Ви підглянули!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Так тримати!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Мета</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Число %1 з набору</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Ваш варіант, клітинка %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Знак між клітинками %1 і %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Розв&apos;язок, клітинка %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Розв&apos;язок, знак між клітинками %1 і %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Поточний результат</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Час</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n число</numerusform>
            <numerusform>%n числа</numerusform>
            <numerusform>%n чисел</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Знак «%1», перетягніть його у свій варіант</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Результат: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Між клітинками %1 і %2: порожньо.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Між клітинками %1 і %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Клітинка %1 порожня.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Клітинка %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Розв&apos;язок, між клітинками %1 і %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Розв&apos;язок, клітинка %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Без змін.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Підказка %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Розв&apos;язок: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Розв&apos;язок сховано.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>помножити на</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>поділити на</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Мета: %1. Числа: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Узято: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Повернуто на місце.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Мета: %1. Результат: %2. Час: %3 секунда.</numerusform>
            <numerusform>Мета: %1. Результат: %2. Час: %3 секунди.</numerusform>
            <numerusform>Мета: %1. Результат: %2. Час: %3 секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Хто найкращий?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше ім&apos;я</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Як вас звати?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Це новий рекорд!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Моряк дивиться на море</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Вітаємо!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Вітрячок Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Бета-версія, лише для тестування!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Про гру Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Як грати у Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Як грати: виберіть, скільки буде чисел, і перетягуйте числа й знаки у свій варіант, доки він не збіжиться з метою. Якщо застрягли, натисніть «Відповідь» або «Підказка»</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Розв&apos;язати свою задачу!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Задача для вас!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Чи зможете додати, відняти, помножити й поділити ці числа,</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>щоб отримати такий результат:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Ось розв&apos;язок:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Тепер розв&apos;яжіть свою задачу!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Дякуємо, що спробували Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Перетягуйте сюди числа й знаки, доки ваш варіант не збіжиться з метою!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Тут можна побачити відповідь</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Тут можна взяти підказку</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>від Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© Figurewheel Games, 2001</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler чекає на ваші відгуки!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версія %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Звук перемоги</translation>
    </message>
</context>
</TS>
