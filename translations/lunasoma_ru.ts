<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Точечный рисунок (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>точечный рисунок</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>изображение PNG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>рисунок SVG</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>документ PDF</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Таблица CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>таблица CSV</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Дата рождения: {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, дата рождения: {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Возраст на {date}: {years} г. ({days} дн.)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Неверная дата ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Сравнение: {name} — физический {physical}%, эмоциональный {emotional}%, интеллектуальный {mental}%</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Тело</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Интеллект</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоции</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Общий</translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>Сохранить изображение %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>Не удалось создать папку

%s

Причина: %s.

Выберите для установки другую папку.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Папка

%s

по-видимому, уже существует. Заменить имеющиеся файлы?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Ничего не изменено. Выберите для установки другую папку.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>Файл «%s» уже существует, но в %s есть более новая версия этого файла.

Установить этот файл?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>не удалось записать в реестр</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Справка %s</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Графики биоритмов на ближайшие дни</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>Удалить %s с этого компьютера</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>Не удалось записать сведения для удаления: %s

Чтобы потом удалить %s, запустите %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Салатовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Управление людьми</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Люди:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Переименовать...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>Изменить дату &amp;рождения...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Новое имя для %1:</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>Удалить %1 из списка людей?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Изменить дату рождения</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>Дата &amp;рождения (%1):</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>Отмечать &amp;критические дни</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>Отмечать &amp;сегодняшний день</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>&amp;Люди</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Сравнить с</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>&amp;Добавить человека...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>&amp;Управление людьми...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Ни с кем</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>У человека должно быть имя.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Имя не может содержать перевод строки.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Человек с именем %1 уже есть.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 больше нет в списке людей.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Добавить человека</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Имя человека, родившегося %1:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>Папка «%1» не существует.
Проверьте путь и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / физический {physical} / интеллектуальный {mental} / эмоциональный {emotional} / общий {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent}%</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>Графика нет: дата рождения или начальная дата указана неверно.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>График биоритмов для даты рождения {birth}, начиная с {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Сегодня, {date}: физический {physical}, интеллектуальный {mental}, эмоциональный {emotional}, общий {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent}%</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>минус {percent}%</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (критический)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>Не удалось прочитать файл настроек «%1»; он сохранён как «%2».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>Не удалось ни прочитать файл настроек «%1», ни отложить его: %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>Не удалось прочитать файл настроек «%1»: %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> Программа запускается с настройками по умолчанию.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Толщина %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Сколько недель показывать</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Вид </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Вид графика</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Выше/ниже</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Толщина линий </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Толщина линий графика</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Тело</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Интеллект</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоции</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Общий</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Общие </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Помнить дату</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>Текущая начальная дата будет использована при следующем запуске</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Показывать эти всплывающие подсказки</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Разделители</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Показывать на графике вертикальную линию для каждого дня</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Без заставки</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>Не показывать заставку при запуске</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Цвета </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Цвета графика</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Толщина линии: %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Цвет: %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> Показать недель: %1 </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> Показать недель: %1 </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>К сожалению, эта программа предназначена специально для Windows 95 или Windows NT 4.0.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>Не удаётся открыть файл справки «%1».</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Нажмите, чтобы закрыть это окно</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - версия %2</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Предыдущая страница</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>На день &amp;назад</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Сегодня</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>На день &amp;вперёд</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>С&amp;ледующая страница</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>Сохранить как &amp;изображение</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Пе&amp;чать</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Предварительный п&amp;росмотр</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Сделать &amp;фоном рабочего стола (мозаикой)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Сделать фоном рабочего стола (по &amp;центру)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Копировать программу для друга</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>&amp;Новинки Corvanti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Для друга можно скопировать только копию, установленную собственной программой установки, или полностью загруженный дистрибутив: не все файлы программы лежат в её папке</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>Не удалось записать «%2» (%1).

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Не удалось напечатать график на «%1».</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>Пока дата указана неверно, график нельзя напечатать.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Не удалось установить фон рабочего стола!</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Дата рождения для расчёта</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Дата, с которой начинается график</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>Дата &amp;рождения</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>&amp;Начальная дата</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Биоритм</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Перетащите, чтобы разделить окно между полями дат и графиком</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Биоритм и параметры</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>График и параметры его построения</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>График биоритмов</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Год назад</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Месяц назад</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Сегодня</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Перейти к сегодняшнему дню</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Месяц вперёд</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Год вперёд</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Календарь: %1</translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation>Выберите диск, на который копировать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>Копировать %s для друга</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Выберите диск, на который копировать %s, например дискету или USB-накопитель для друга.%sФайлы программы копируются в папку с этим именем в корне диска.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Копировать в папку %1</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>Нельзя копировать в ту же папку, из которой запущена программа.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Ошибка записи на диск %s. Если это съёмный диск, убедитесь, что носитель вставлен, и повторите попытку.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>В исходной установке не хватает одного или нескольких файлов. Загрузите новую копию с нашего сайта.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>При копировании файлов произошла ошибка. Убедитесь, что в дисководе есть дискета, и повторите попытку.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Готово!</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Назад</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Прервать установку</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Выберите папку, внутри которой будет установлена программа %s. Нажмите «Далее», чтобы продолжить.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Выберите диск для установки программы</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Выберите папку для установки программы</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Выберите, откуда вы хотите запускать %s.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>Добавить %s в меню «Пуск»</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Создаёт группу в меню «Пуск» Windows</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>Запускать %s при запуске Windows</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Автоматически запускает программу при запуске Windows</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Поместить значок %s на рабочий стол</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Создаёт ярлык на рабочем столе</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>В систему будут установлены следующие файлы</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Эти файлы будут установлены в систему</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Нажмите «Готово», чтобы установить %s.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>Установка успешно завершена!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Судя по системным часам, загруженной вами версии программы больше 6 месяцев! Весьма вероятно, что уже вышла более новая версия. Проверьте по следующему адресу:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Впрочем, вы можете продолжить установку этой версии, нажав «Далее».</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Нажмите, чтобы открыть сайт Corvanti в Интернете</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Установка %1</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>Действительно прервать установку %s?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Новинки %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 постоянно расширяет выбор программ для тела и души.&lt;/p&gt;&lt;p&gt;Новинки %1, обновления %2 и бесплатные пробные версии ждут вас в Интернете по адресу&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Заглядывайте время от времени: новые программы появляются там в первую очередь.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>Файл

%s

возможно, используется другим приложением. Удалить его?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Эти файлы в папке

%s

оставлены на месте, потому что их устанавливала не программа %s:

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>Установка %s не зарегистрирована, поэтому копию в папке

%s

нельзя удалить. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>Копия %s в папке

%s

не является установленной. Сведения для удаления указывают на установку в папке

%s

Запустите удаление оттуда. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>Не удалось автоматически удалить файл программы

%s

Удалите его вручную.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>Не удалось автоматически удалить файл программы и папку

%s

Удалите их вручную.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>Действительно удалить %s?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>Программа %s удалена.</translation>
    </message>
</context>
</TS>
