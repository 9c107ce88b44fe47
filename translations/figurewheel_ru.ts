<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Танцоры празднуют вашу победу</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Солнце встаёт из-за зелёных холмов</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Поздравляем!  Вы справились!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Кто лучше всех?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Как играть?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Кто создал Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Сколько чисел вы хотите?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Ура</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Добро пожаловать в Figurewheel! Достигните цели и обгоните время. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Ваш вариант</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Получите</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Из этих чисел</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>за игру</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Использовано подсказок:</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Подглядели!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Так держать!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Число %1 из набора</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Ваш вариант, клетка %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Знак между клетками %1 и %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Решение, клетка %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Решение, знак между клетками %1 и %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Текущий результат</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Время</translation>
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
        <translation>Знак «%1», перетащите его в свой вариант</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Результат: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Между клетками %1 и %2: пусто.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Между клетками %1 и %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Клетка %1 пуста.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Клетка %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Решение, между клетками %1 и %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Решение, клетка %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Без изменений.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Подсказка %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Решение: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Решение скрыто.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>разделить на</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Цель: %1. Числа: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Взято: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Возвращено на место.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Цель: %1. Результат: %2. Время: %3 секунда.</numerusform>
            <numerusform>Цель: %1. Результат: %2. Время: %3 секунды.</numerusform>
            <numerusform>Цель: %1. Результат: %2. Время: %3 секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Кто лучше всех?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Как вас зовут?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Это новый рекорд!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Моряк смотрит на море</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Вертушка Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Бета-версия, только для тестирования!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Об игре Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Как играть в Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Как играть: выберите, сколько будет чисел, и перетаскивайте числа и знаки в свой вариант, пока он не совпадёт с целью. Если застряли, нажмите «Ответ» или «Подсказка»</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Решить свою задачу!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Решите задачу!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Можете сложить, вычесть, умножить и разделить эти числа,</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>чтобы получить такой результат:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Вот решение:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Теперь решите свою задачу!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Спасибо, что попробовали Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Перетаскивайте сюда числа и знаки, пока ваш вариант не совпадёт с целью!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Здесь можно увидеть ответ</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Здесь можно взять подсказку</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>от Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© Figurewheel Games, 2001</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler ждёт ваших отзывов!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Звук победы</translation>
    </message>
</context>
</TS>
