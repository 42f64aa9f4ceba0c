<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
    <context>
        <name>ActionsConfigDialog</name>
        <message>
            <source>Встроенные функции и действия</source>
            <translation>Built-in functions and actions</translation>
        </message>
    </context>
    <context>
        <name>AllSensorsConfigDialog</name>
        <message>
            <source>Настройка данных, для всех активных показателей</source>
            <translation>Data setup for all active gauges</translation>
        </message>
        <message>
            <source>Некоторые изменения не будут применены

Вы не выбрали пункт списка
(отмечено красным цветом)!

Все равно выйти?</source>
            <translation>Some changes will not be applied

No list item was chosen
(marked red)!

Leave anyway?</translation>
        </message>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Нет ни одного включенного CAN фильтра.</source>
            <translation>No CAN filter is switched on.</translation>
        </message>
        <message>
            <source>Перейти к настройкам CAN фильтров?</source>
            <translation>Go to the CAN filter settings?</translation>
        </message>
        <message>
            <source>Здесь только активные показатели. Показатели, которые передает ECU, включаются на странице «Показатели от ECU».</source>
            <translation>Only active gauges are listed here. Gauges sent by the ECU are switched on under “Gauges from the ECU”.</translation>
        </message>
    </context>
    <context>
        <name>AnalogSensorEditor</name>
        <message>
            <source>Датчик #%1</source>
            <translation>Sensor #%1</translation>
        </message>
        <message>
            <source>Название</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Название датчика</source>
            <translation>Sensor name</translation>
        </message>
        <message>
            <source>Тип</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Тип датчика</source>
            <translation>Sensor type</translation>
        </message>
        <message>
            <source>Используется: %1</source>
            <translation>Used by: %1</translation>
        </message>
        <message>
            <source>Не используется ни одним показателем</source>
            <translation>Not used by any gauge</translation>
        </message>
        <message>
            <source>y = a * x + b,   x — напряжение на входе, В</source>
            <translation>y = a * x + b,   x is the input voltage, V</translation>
        </message>
        <message>
            <source>Коэффициент a (y = a * x + b)</source>
            <translation>Factor a (y = a * x + b)</translation>
        </message>
        <message>
            <source>Коэффициент b (y = a * x + b)</source>
            <translation>Factor b (y = a * x + b)</translation>
        </message>
        <message>
            <source>Датчик выключен: выберите тип, чтобы настроить пересчет</source>
            <translation>Sensor off: choose a type to set up the conversion</translation>
        </message>
        <message>
            <source>Значение приходит по CAN: источник задается в «Настройка данных всех показателей»</source>
            <translation>Value comes over CAN: set the source in "Data setup for all gauges"</translation>
        </message>
        <message>
            <source>Точек в таблице</source>
            <translation>Table points</translation>
        </message>
        <message>
            <source>Допуск ±, мВ</source>
            <translation>Tolerance ±, mV</translation>
        </message>
        <message>
            <source>Входы калибруются кнопками «мин» и «макс» в «Настройка данных всех показателей»</source>
            <translation>Inputs are calibrated with the "min" and "max" buttons in "Data setup for all gauges"</translation>
        </message>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Вход, %1</source>
            <translation>Input, %1</translation>
        </message>
        <message>
            <source>Точка %1</source>
            <translation>Point %1</translation>
        </message>
        <message>
            <source>: значение</source>
            <translation>: value</translation>
        </message>
        <message>
            <source>: вход</source>
            <translation>: input</translation>
        </message>
        <message>
            <source>Ом</source>
            <translation>Ohm</translation>
        </message>
        <message>
            <source>В</source>
            <translation>V</translation>
        </message>
    </context>
    <context>
        <name>AnalogTablesPopup</name>
        <message>
            <source>Тарировка</source>
            <translation>Calibration table</translation>
        </message>
        <message>
            <source>Нет ни одной доступной тарировки</source>
            <translation>No calibration table available</translation>
        </message>
        <message>
            <source>Для этого входа нет встроенных тарировок. Свою таблицу можно создать в разделе «Пользовательские датчики».</source>
            <translation>There is no built-in calibration for this input. You can make your own table under “Custom sensors”.</translation>
        </message>
        <message>
            <source>Пользовательские датчики</source>
            <translation>Custom sensors</translation>
        </message>
    </context>
    <context>
        <name>BaseChannelConfigDialog</name>
        <message>
            <source>Некоторые изменения не будут применены

Вы не выбрали пункт списка
(отмечено красным цветом)!

Все равно выйти?</source>
            <translation>Some changes will not be applied

No list item was chosen
(marked red)!

Leave anyway?</translation>
        </message>
    </context>
    <context>
        <name>BasicDialog</name>
        <message>
            <source>Назад</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Обновить</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Сохранить</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>BasicSensorItem</name>
        <message>
            <source>Пустая ячейка: выбрать показатель</source>
            <translation>Empty cell: choose a gauge</translation>
        </message>
    </context>
    <context>
        <name>BasicSettingsDialog</name>
        <message>
            <source>меню настроек</source>
            <translation>settings menu</translation>
        </message>
        <message>
            <source>CAN 1: Не используется</source>
            <translation>CAN 1: Not used</translation>
        </message>
        <message>
            <source>нет</source>
            <translation>none</translation>
        </message>
        <message>
            <source>1 датчик</source>
            <translation>1 sensor</translation>
        </message>
        <message>
            <source>2 датчика</source>
            <translation>2 sensors</translation>
        </message>
        <message>
            <source>3 датчика</source>
            <translation>3 sensors</translation>
        </message>
        <message>
            <source>4 датчика</source>
            <translation>4 sensors</translation>
        </message>
        <message>
            <source>5 датчиков</source>
            <translation>5 sensors</translation>
        </message>
        <message>
            <source>6 датчиков</source>
            <translation>6 sensors</translation>
        </message>
        <message>
            <source>7 датчиков</source>
            <translation>7 sensors</translation>
        </message>
        <message>
            <source>8 датчиков</source>
            <translation>8 sensors</translation>
        </message>
        <message>
            <source>Допустимы файлы формата SVG,
размером не более 30 кБайт

изображение автоматически
 выставляется в центр экрана

размер экрана 1024 x 600 пикселей
(в старых моделях 1280 x 800)</source>
            <translation>SVG files only,
up to 30 kB

the image is centred
 on the screen automatically

screen size 1024 x 600 pixels
(older models 1280 x 800)</translation>
        </message>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Применить изменения?</source>
            <translation>Apply changes?</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Нет, Удалить</source>
            <translation>No, discard</translation>
        </message>
        <message>
            <source>Язык</source>
            <translation>Dash language</translation>
        </message>
        <message>
            <source>Русский</source>
            <translation>Russian</translation>
        </message>
        <message>
            <source>Предупреждения</source>
            <translation>Warnings</translation>
        </message>
        <message>
            <source>Настройка данных всех показателей</source>
            <translation>Data setup for all gauges</translation>
        </message>
        <message>
            <source>Настройка значков индикаторов(лампы)</source>
            <translation>Warning lamps setup</translation>
        </message>
        <message>
            <source>Кейпад</source>
            <translation>Keypad</translation>
        </message>
        <message>
            <source>Связь с Ecu, CAN 1 или RS232</source>
            <translation>ECU link, CAN 1 or RS232</translation>
        </message>
        <message>
            <source>Протокол Ecu</source>
            <translation>ECU protocol</translation>
        </message>
        <message>
            <source>Can 1 Скорость</source>
            <translation>CAN 1 speed</translation>
        </message>
        <message>
            <source>Can 1 прием -&gt;</source>
            <translation>CAN 1 receive -&gt;</translation>
        </message>
        <message>
            <source>  Фильтры</source>
            <translation>  Filters</translation>
        </message>
        <message>
            <source>Can 1 прием: фильтры</source>
            <translation>CAN 1 receive: filters</translation>
        </message>
        <message>
            <source>  Цифровые
  входы(биты)</source>
            <translation>  Digital
  inputs (bits)</translation>
        </message>
        <message>
            <source>Can 1 прием: цифровые входы</source>
            <translation>CAN 1 receive: digital inputs</translation>
        </message>
        <message>
            <source>Can 1 передача</source>
            <translation>CAN 1 transmit</translation>
        </message>
        <message>
            <source>Встроенные функции и действия</source>
            <translation>Built-in functions and actions</translation>
        </message>
        <message>
            <source>Выходы для вентиляторов и прочего</source>
            <translation>Outputs for fans and more</translation>
        </message>
        <message>
            <source>Пользовательские датчики</source>
            <translation>Custom sensors</translation>
        </message>
        <message>
            <source>Пользовательские показатели</source>
            <translation>Custom gauges</translation>
        </message>
        <message>
            <source>Обновление прошивки Ardix</source>
            <translation>Ardix firmware update</translation>
        </message>
        <message>
            <source>Модуль расширения логических входов</source>
            <translation>Digital input expansion module</translation>
        </message>
        <message>
            <source>Модуль GPS, CAN 2</source>
            <translation>GPS module, CAN 2</translation>
        </message>
        <message>
            <source>Модуль GPS</source>
            <translation>GPS module</translation>
        </message>
        <message>
            <source>Модуль EGT -&gt; CAN 1 или CAN 2</source>
            <translation>EGT module -&gt; CAN 1 or CAN 2</translation>
        </message>
        <message>
            <source>Модуль EGT</source>
            <translation>EGT module</translation>
        </message>
        <message>
            <source>Сбросить настройки Ardix</source>
            <translation>Reset Ardix settings</translation>
        </message>
        <message>
            <source>Вы действительно хотите сбросить настройки Ardix?</source>
            <translation>Reset all Ardix settings?</translation>
        </message>
        <message>
            <source>Загрузить настройки Ardix из файла</source>
            <translation>Load Ardix settings from file</translation>
        </message>
        <message>
            <source>Сохранить настройки Ardix в файл</source>
            <translation>Save Ardix settings to file</translation>
        </message>
        <message>
            <source>Логотип, заставка</source>
            <translation>Logo, splash screen</translation>
        </message>
        <message>
            <source>Загрузить</source>
            <translation>Load</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Вы действительно хотите удалить заставку?</source>
            <translation>Delete the splash screen?</translation>
        </message>
        <message>
            <source>О заставке</source>
            <translation>About the splash screen</translation>
        </message>
        <message>
            <source>История настроек</source>
            <translation>Settings history</translation>
        </message>
    </context>
    <context>
        <name>BasicSimpleDialog</name>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>BlockSchema</name>
        <message>
            <source>Принимаемое сообщение</source>
            <translation>Received message</translation>
        </message>
        <message>
            <source>Передаваемое сообщение</source>
            <translation>Sent message</translation>
        </message>
        <message>
            <source>Цифровой вход CAN</source>
            <translation>CAN digital input</translation>
        </message>
        <message>
            <source>Маска идентификаторов</source>
            <translation>Identifier mask</translation>
        </message>
        <message>
            <source>Доп. настройки</source>
            <translation>Extra settings</translation>
        </message>
        <message>
            <source>Коррекция входов</source>
            <translation>Input correction</translation>
        </message>
        <message>
            <source>Лампа</source>
            <translation>Lamp</translation>
        </message>
        <message>
            <source>Лампы</source>
            <translation>Lamps</translation>
        </message>
        <message>
            <source>Действия</source>
            <translation>Actions</translation>
        </message>
        <message>
            <source>Действие</source>
            <translation>Action</translation>
        </message>
        <message>
            <source>Аналоговый вход CAN</source>
            <translation>CAN analog input</translation>
        </message>
        <message>
            <source>Функции</source>
            <translation>Functions</translation>
        </message>
        <message>
            <source>Функция</source>
            <translation>Function</translation>
        </message>
        <message>
            <source>Клавиатуры</source>
            <translation>Keyboards</translation>
        </message>
        <message>
            <source>Клавиатура</source>
            <translation>Keyboard</translation>
        </message>
        <message>
            <source>Пользовательский датчик</source>
            <translation>Custom sensor</translation>
        </message>
        <message>
            <source>Датчик</source>
            <translation>Sensor</translation>
        </message>
        <message>
            <source>Пользовательские датчики</source>
            <translation>Custom sensors</translation>
        </message>
        <message>
            <source>Датчики</source>
            <translation>Sensors</translation>
        </message>
        <message>
            <source>Экраны</source>
            <translation>Screens</translation>
        </message>
        <message>
            <source>Скин %1, режим %2</source>
            <translation>Skin %1, mode %2</translation>
        </message>
        <message>
            <source>Общие настройки</source>
            <translation>Common settings</translation>
        </message>
        <message>
            <source>Общие</source>
            <translation>Common</translation>
        </message>
        <message>
            <source>Запись логов</source>
            <translation>Logging</translation>
        </message>
        <message>
            <source>GPS и разгоны</source>
            <translation>GPS and runs</translation>
        </message>
        <message>
            <source>Аналоговые датчики</source>
            <translation>Analog sensors</translation>
        </message>
        <message>
            <source>Аналоговый датчик</source>
            <translation>Analog sensor</translation>
        </message>
        <message>
            <source>Входы</source>
            <translation>Inputs</translation>
        </message>
        <message>
            <source>Вход</source>
            <translation>Input</translation>
        </message>
        <message>
            <source>Выходы</source>
            <translation>Outputs</translation>
        </message>
        <message>
            <source>Выход</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>Функция %1</source>
            <translation>Function %1</translation>
        </message>
    </context>
    <context>
        <name>ButtonsSetupDialog</name>
        <message>
            <source>Настройка кнопок и других логических входов</source>
            <translation>Buttons and other digital inputs</translation>
        </message>
        <message>
            <source>Вход #%1</source>
            <translation>Input #%1</translation>
        </message>
        <message>
            <source>: функция</source>
            <translation>: function</translation>
        </message>
        <message>
            <source>Инвертированный</source>
            <translation>Inverted</translation>
        </message>
    </context>
    <context>
        <name>CanAnalogInputsDialog</name>
        <message>
            <source>Настройка приема данных кан</source>
            <translation>CAN data receive setup</translation>
        </message>
        <message>
            <source>Активен</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Имя CAN данных %1</source>
            <translation>CAN data name %1</translation>
        </message>
        <message>
            <source>сообщение</source>
            <translation>message</translation>
        </message>
        <message>
            <source>Сообщение CAN данных %1</source>
            <translation>CAN data message %1</translation>
        </message>
        <message>
            <source>кадр</source>
            <translation>frame</translation>
        </message>
        <message>
            <source>Номер кадра CAN данных %1</source>
            <translation>CAN data frame number %1</translation>
        </message>
        <message>
            <source>Индекс в цепочке:</source>
            <translation>Index in chain:</translation>
        </message>
        <message>
            <source>Байт CAN данных %1</source>
            <translation>CAN data byte %1</translation>
        </message>
        <message>
            <source>Размер и знак CAN данных %1</source>
            <translation>CAN data size and sign %1</translation>
        </message>
        <message>
            <source>Порядок байт CAN данных %1</source>
            <translation>CAN data byte order %1</translation>
        </message>
        <message>
            <source>1.Маска</source>
            <translation>1.Mask</translation>
        </message>
        <message>
            <source>Маска CAN данных %1</source>
            <translation>CAN data mask %1</translation>
        </message>
        <message>
            <source>2.Множитель</source>
            <translation>2.Multiplier</translation>
        </message>
        <message>
            <source>Множитель CAN данных %1</source>
            <translation>CAN data multiplier %1</translation>
        </message>
        <message>
            <source>3.Делитель</source>
            <translation>3.Divider</translation>
        </message>
        <message>
            <source>Делитель CAN данных %1</source>
            <translation>CAN data divider %1</translation>
        </message>
        <message>
            <source>4.Оффсет</source>
            <translation>4.Offset</translation>
        </message>
        <message>
            <source>Оффсет CAN данных %1</source>
            <translation>CAN data offset %1</translation>
        </message>
        <message>
            <source>при таймауте пакета</source>
            <translation>on message timeout</translation>
        </message>
        <message>
            <source>При таймауте пакета, данные %1</source>
            <translation>On message timeout, data %1</translation>
        </message>
        <message>
            <source>Последнее состояние</source>
            <translation>Last state</translation>
        </message>
        <message>
            <source>установить значение:</source>
            <translation>set value:</translation>
        </message>
        <message>
            <source>Значение при таймауте, данные %1</source>
            <translation>Timeout value, data %1</translation>
        </message>
    </context>
    <context>
        <name>CanDigitalInputsDialog</name>
        <message>
            <source>Настройка цифровых Can входов</source>
            <translation>CAN digital inputs setup</translation>
        </message>
        <message>
            <source>Активен</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Имя CAN входа %1</source>
            <translation>CAN input name %1</translation>
        </message>
        <message>
            <source>сообщение</source>
            <translation>message</translation>
        </message>
        <message>
            <source>Сообщение CAN входа %1</source>
            <translation>CAN input message %1</translation>
        </message>
        <message>
            <source>кадр</source>
            <translation>frame</translation>
        </message>
        <message>
            <source>Номер кадра CAN входа %1</source>
            <translation>CAN input frame number %1</translation>
        </message>
        <message>
            <source>байт</source>
            <translation>byte</translation>
        </message>
        <message>
            <source>Байт CAN входа %1</source>
            <translation>CAN input byte %1</translation>
        </message>
        <message>
            <source>маска</source>
            <translation>mask</translation>
        </message>
        <message>
            <source>Маска CAN входа %1</source>
            <translation>CAN input mask %1</translation>
        </message>
        <message>
            <source>по маске (все биты маски)</source>
            <translation>by mask (all mask bits)</translation>
        </message>
        <message>
            <source>сброс при таймауте</source>
            <translation>clear on timeout</translation>
        </message>
        <message>
            <source>установка при таймауте</source>
            <translation>set on timeout</translation>
        </message>
    </context>
    <context>
        <name>CanIdField</name>
        <message>
            <source>Показать ID десятичным</source>
            <translation>Show ID as decimal</translation>
        </message>
        <message>
            <source>Показать ID в HEX</source>
            <translation>Show ID as HEX</translation>
        </message>
    </context>
    <context>
        <name>CanInputMessagesDialog</name>
        <message>
            <source>Настройка CAN фильтров</source>
            <translation>CAN filters setup</translation>
        </message>
        <message>
            <source>Активен</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>CAN ID сообщения %1</source>
            <translation>Message CAN ID %1</translation>
        </message>
        <message>
            <source>29 бит (Ext.)</source>
            <translation>29 bit (Ext.)</translation>
        </message>
        <message>
            <source>длина</source>
            <translation>length</translation>
        </message>
        <message>
            <source>Длина сообщения %1</source>
            <translation>Message length %1</translation>
        </message>
        <message>
            <source>таймаут, мс</source>
            <translation>timeout, ms</translation>
        </message>
        <message>
            <source>Таймаут сообщения %1</source>
            <translation>Message timeout %1</translation>
        </message>
        <message>
            <source>Мультиплекс (номер кадра в байте)</source>
            <translation>Multiplex (frame number in a byte)</translation>
        </message>
        <message>
            <source>номер кадра</source>
            <translation>frame number</translation>
        </message>
        <message>
            <source>Байт номера кадра %1</source>
            <translation>Frame number byte %1</translation>
        </message>
        <message>
            <source>маска</source>
            <translation>mask</translation>
        </message>
        <message>
            <source>Маска номера кадра %1</source>
            <translation>Frame number mask %1</translation>
        </message>
    </context>
    <context>
        <name>CanOutputDataDialog</name>
        <message>
            <source>Настройка передачи данных по Can</source>
            <translation>CAN data transmit setup</translation>
        </message>
        <message>
            <source>сообщение #%1</source>
            <translation>message #%1</translation>
        </message>
        <message>
            <source>Источник данных %1</source>
            <translation>Data source %1</translation>
        </message>
        <message>
            <source>УДАЛИТЬ</source>
            <translation>DELETE</translation>
        </message>
        <message>
            <source>Удалить данные %1</source>
            <translation>Delete data %1</translation>
        </message>
        <message>
            <source>канал</source>
            <translation>channel</translation>
        </message>
        <message>
            <source>Канал данных %1</source>
            <translation>Data channel %1</translation>
        </message>
        <message>
            <source>значение</source>
            <translation>value</translation>
        </message>
        <message>
            <source>Константа данных %1</source>
            <translation>Data constant %1</translation>
        </message>
        <message>
            <source>размер</source>
            <translation>size</translation>
        </message>
        <message>
            <source>Размер данных %1</source>
            <translation>Data size %1</translation>
        </message>
        <message>
            <source>байт</source>
            <translation>byte</translation>
        </message>
        <message>
            <source>Байт данных %1</source>
            <translation>Data byte %1</translation>
        </message>
        <message>
            <source>бит</source>
            <translation>bit</translation>
        </message>
        <message>
            <source>Бит данных %1</source>
            <translation>Data bit %1</translation>
        </message>
        <message>
            <source>со знаком</source>
            <translation>signed</translation>
        </message>
        <message>
            <source>MS first, старший байт первый</source>
            <translation>MS first, high byte first</translation>
        </message>
        <message>
            <source>множитель</source>
            <translation>multiplier</translation>
        </message>
        <message>
            <source>Множитель данных %1</source>
            <translation>Data multiplier %1</translation>
        </message>
        <message>
            <source>делитель</source>
            <translation>divider</translation>
        </message>
        <message>
            <source>Делитель данных %1</source>
            <translation>Data divider %1</translation>
        </message>
        <message>
            <source>оффсет</source>
            <translation>offset</translation>
        </message>
        <message>
            <source>Оффсет данных %1</source>
            <translation>Data offset %1</translation>
        </message>
    </context>
    <context>
        <name>CanOutputMessagesDialog</name>
        <message>
            <source>Настройка передачи Can пакетов</source>
            <translation>CAN messages transmit setup</translation>
        </message>
        <message>
            <source>Активен</source>
            <translation>Active</translation>
        </message>
        <message>
            <source> (29 бит)</source>
            <translation> (29 bit)</translation>
        </message>
        <message>
            <source>   данных: %1</source>
            <translation>   data: %1</translation>
        </message>
        <message>
            <source>CAN ID передачи %1</source>
            <translation>Transmit CAN ID %1</translation>
        </message>
        <message>
            <source>29 бит (Ext.)</source>
            <translation>29 bit (Ext.)</translation>
        </message>
        <message>
            <source>длина</source>
            <translation>length</translation>
        </message>
        <message>
            <source>Длина сообщения %1</source>
            <translation>Message length %1</translation>
        </message>
        <message>
            <source>период, мс</source>
            <translation>period, ms</translation>
        </message>
        <message>
            <source>Период передачи %1</source>
            <translation>Transmit period %1</translation>
        </message>
        <message>
            <source>ДАННЫЕ  -&gt;</source>
            <translation>DATA  -&gt;</translation>
        </message>
        <message>
            <source>Данные сообщения %1</source>
            <translation>Message data %1</translation>
        </message>
        <message>
            <source>длина 0: данные не передаются</source>
            <translation>length 0: no data is sent</translation>
        </message>
        <message>
            <source>данных за пределами длины: </source>
            <translation>data beyond the length: </translation>
        </message>
    </context>
    <context>
        <name>CanRules</name>
        <message>
            <source> (выкл.)</source>
            <translation> (off)</translation>
        </message>
        <message>
            <source>байт %1</source>
            <translation>byte %1</translation>
        </message>
        <message>
            <source>младший байт первый(LS first)</source>
            <translation>low byte first (LS first)</translation>
        </message>
        <message>
            <source>поменять местами(MS first, старший байт первый)</source>
            <translation>swap (MS first, high byte first)</translation>
        </message>
        <message>
            <source>1 бит</source>
            <translation>1 bit</translation>
        </message>
        <message>
            <source>8 бит</source>
            <translation>8 bit</translation>
        </message>
        <message>
            <source>16 бит</source>
            <translation>16 bit</translation>
        </message>
        <message>
            <source>Нет</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Данные Ardix</source>
            <translation>Ardix data</translation>
        </message>
        <message>
            <source>Цифровые входы Ardix</source>
            <translation>Ardix digital inputs</translation>
        </message>
        <message>
            <source>CAN цифровые входы Ardix</source>
            <translation>Ardix CAN digital inputs</translation>
        </message>
        <message>
            <source>Константы</source>
            <translation>Constants</translation>
        </message>
        <message>
            <source>Цифровые входы PDM</source>
            <translation>PDM digital inputs</translation>
        </message>
        <message>
            <source>Аналоговые входы PDM</source>
            <translation>PDM analog inputs</translation>
        </message>
        <message>
            <source>Состояние выходов PDM</source>
            <translation>PDM output state</translation>
        </message>
        <message>
            <source>Ток выхода PDM</source>
            <translation>PDM output current</translation>
        </message>
        <message>
            <source>Глобальная функция</source>
            <translation>Global function</translation>
        </message>
        <message>
            <source>Счетчики</source>
            <translation>Counters</translation>
        </message>
        <message>
            <source>Данные PDM</source>
            <translation>PDM data</translation>
        </message>
        <message>
            <source>CAN (цифровые входы)</source>
            <translation>CAN (digital inputs)</translation>
        </message>
        <message>
            <source>Кейпад %1</source>
            <translation>Keypad %1</translation>
        </message>
        <message>
            <source>Пин %1</source>
            <translation>Pin %1</translation>
        </message>
        <message>
            <source>, вход #%1</source>
            <translation>, input #%1</translation>
        </message>
        <message>
            <source>без имени</source>
            <translation>no name</translation>
        </message>
        <message>
            <source>длина сообщения 0: данные не передаются</source>
            <translation>message length 0: no data is sent</translation>
        </message>
        <message>
            <source>байты </source>
            <translation>bytes </translation>
        </message>
        <message>
            <source> за пределами длины сообщения (</source>
            <translation> lie beyond the message length (</translation>
        </message>
        <message>
            <source> байт)</source>
            <translation> bytes)</translation>
        </message>
    </context>
    <context>
        <name>CanSourcePopup</name>
        <message>
            <source>CAN источник</source>
            <translation>CAN source</translation>
        </message>
        <message>
            <source>Все CAN входы заняты</source>
            <translation>All CAN inputs are taken</translation>
        </message>
        <message>
            <source>Фильтр</source>
            <translation>Filter</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>Порядок байт</source>
            <translation>Byte order</translation>
        </message>
        <message>
            <source>младший байт первый(LS first)</source>
            <translation>low byte first (LS first)</translation>
        </message>
        <message>
            <source>поменять местами(MS first, старший байт первый)</source>
            <translation>swap (MS first, high byte first)</translation>
        </message>
        <message>
            <source>Байт в сообщении:</source>
            <translation>Byte in message:</translation>
        </message>
        <message>
            <source>Байт в сообщении</source>
            <translation>Byte in message</translation>
        </message>
        <message>
            <source>Индекс в цепочке:</source>
            <translation>Index in chain:</translation>
        </message>
        <message>
            <source>Индекс в цепочке</source>
            <translation>Index in chain</translation>
        </message>
        <message>
            <source>Конвертация данных</source>
            <translation>Data conversion</translation>
        </message>
        <message>
            <source>1.Маска</source>
            <translation>1.Mask</translation>
        </message>
        <message>
            <source>Маска</source>
            <translation>Mask</translation>
        </message>
        <message>
            <source>2.Множитель</source>
            <translation>2.Multiplier</translation>
        </message>
        <message>
            <source>Множитель</source>
            <translation>Multiplier</translation>
        </message>
        <message>
            <source>3.Делитель</source>
            <translation>3.Divider</translation>
        </message>
        <message>
            <source>Делитель</source>
            <translation>Divider</translation>
        </message>
        <message>
            <source>4.Оффсет</source>
            <translation>4.Offset</translation>
        </message>
        <message>
            <source>Оффсет</source>
            <translation>Offset</translation>
        </message>
        <message>
            <source>при таймауте пакета</source>
            <translation>on message timeout</translation>
        </message>
        <message>
            <source>Последнее состояние</source>
            <translation>Last state</translation>
        </message>
        <message>
            <source>установить значение:</source>
            <translation>set value:</translation>
        </message>
        <message>
            <source>Значение при таймауте</source>
            <translation>Timeout value</translation>
        </message>
    </context>
    <context>
        <name>ChannelRow</name>
        <message>
            <source>: тип канала</source>
            <translation>: channel type</translation>
        </message>
        <message>
            <source>: канал</source>
            <translation>: channel</translation>
        </message>
        <message>
            <source>выберите канал</source>
            <translation>choose a channel</translation>
        </message>
        <message>
            <source>Инвертированный</source>
            <translation>Inverted</translation>
        </message>
        <message>
            <source>Подтяжка</source>
            <translation>Pull-up</translation>
        </message>
    </context>
    <context>
        <name>ChannelRules</name>
        <message>
            <source>Кнопка 3 в 1, листать, сбрасывать варнинги и пики</source>
            <translation>3-in-1 button: scroll, clear warnings and peaks</translation>
        </message>
        <message>
            <source>Сброс предупреждений</source>
            <translation>Clear warnings</translation>
        </message>
        <message>
            <source>Сброс пиков</source>
            <translation>Clear peaks</translation>
        </message>
        <message>
            <source>Следующий экран</source>
            <translation>Next screen</translation>
        </message>
        <message>
            <source>Предыдущий экран</source>
            <translation>Previous screen</translation>
        </message>
        <message>
            <source>действие #%1</source>
            <translation>action #%1</translation>
        </message>
        <message>
            <source>лампа #%1</source>
            <translation>lamp #%1</translation>
        </message>
        <message>
            <source> — занят датчиком: %1</source>
            <translation> — used by sensor: %1</translation>
        </message>
        <message>
            <source> — занят индикатором: %1</source>
            <translation> — used by lamp: %1</translation>
        </message>
        <message>
            <source> — занят действием: %1</source>
            <translation> — used by action: %1</translation>
        </message>
        <message>
            <source>Данный вход занят: %1</source>
            <translation>This input is taken: %1</translation>
        </message>
        <message>
            <source>

изменения не будут сохранены</source>
            <translation>

changes will not be saved</translation>
        </message>
        <message>
            <source>Пин %1</source>
            <translation>Pin %1</translation>
        </message>
        <message>
            <source>, вход #%1</source>
            <translation>, input #%1</translation>
        </message>
        <message>
            <source>без имени</source>
            <translation>no name</translation>
        </message>
        <message>
            <source>Выход #%1</source>
            <translation>Output #%1</translation>
        </message>
        <message>
            <source>Кнопка #%1</source>
            <translation>Button #%1</translation>
        </message>
        <message>
            <source>Нет</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Цифровые входы Ardix</source>
            <translation>Ardix digital inputs</translation>
        </message>
        <message>
            <source>CAN цифровые входы Ardix</source>
            <translation>Ardix CAN digital inputs</translation>
        </message>
        <message>
            <source>Состояние выходов PMX</source>
            <translation>PMX output state</translation>
        </message>
        <message>
            <source>Кейпад 1</source>
            <translation>Keypad 1</translation>
        </message>
        <message>
            <source>Кейпад 2</source>
            <translation>Keypad 2</translation>
        </message>
    </context>
    <context>
        <name>ChildFunctionsList</name>
        <message>
            <source>Добавить условие</source>
            <translation>Add condition</translation>
        </message>
        <message>
            <source>ИЛИ</source>
            <translation>OR</translation>
        </message>
        <message>
            <source>И</source>
            <translation>AND</translation>
        </message>
        <message>
            <source>Вверх</source>
            <translation>Up</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Down</translation>
        </message>
        <message>
            <source>Изменить</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
    </context>
    <context>
        <name>CounterFunctionDialog</name>
        <message>
            <source>Нет</source>
            <translation>None</translation>
        </message>
        <message>
            <source>, канал</source>
            <translation>, channel</translation>
        </message>
        <message>
            <source>Счетчик</source>
            <translation>Counter</translation>
        </message>
        <message>
            <source>Имя счетчика</source>
            <translation>Counter name</translation>
        </message>
        <message>
            <source>мин.</source>
            <translation>min.</translation>
        </message>
        <message>
            <source>макс.</source>
            <translation>max.</translation>
        </message>
        <message>
            <source>начальное</source>
            <translation>start</translation>
        </message>
        <message>
            <source>Счет вверх</source>
            <translation>Count up</translation>
        </message>
        <message>
            <source>Счет вниз</source>
            <translation>Count down</translation>
        </message>
        <message>
            <source>вверх по переднему фронту</source>
            <translation>up on rising edge</translation>
        </message>
        <message>
            <source>вниз по переднему фронту</source>
            <translation>down on rising edge</translation>
        </message>
        <message>
            <source>после макс. - на мин.</source>
            <translation>after max. - to min.</translation>
        </message>
        <message>
            <source>после мин. - на макс.</source>
            <translation>after min. - to max.</translation>
        </message>
        <message>
            <source>сброс на макс.</source>
            <translation>reset to max.</translation>
        </message>
        <message>
            <source>сброс на мин.</source>
            <translation>reset to min.</translation>
        </message>
        <message>
            <source>Запоминать состояние</source>
            <translation>Keep state</translation>
        </message>
        <message>
            <source>не доступно в данном PDM</source>
            <translation>not available on this PDM</translation>
        </message>
    </context>
    <context>
        <name>CustomAnalogSensorDialog</name>
        <message>
            <source>Пользовательские датчики</source>
            <translation>Custom sensors</translation>
        </message>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Датчик %1</source>
            <translation>Sensor %1</translation>
        </message>
        <message>
            <source>, используется: %1</source>
            <translation>, used by: %1</translation>
        </message>
    </context>
    <context>
        <name>CustomSensorRules</name>
        <message>
            <source>Выключен</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>Линейный 0-5В (y = a * x + b)</source>
            <translation>Linear 0-5V (y = a * x + b)</translation>
        </message>
        <message>
            <source>Таблица 0-5В</source>
            <translation>Table 0-5V</translation>
        </message>
        <message>
            <source>Таблица сопротивлений</source>
            <translation>Resistance table</translation>
        </message>
        <message>
            <source>Калибровка мин / макс</source>
            <translation>Min / max calibration</translation>
        </message>
        <message>
            <source>Данные CAN</source>
            <translation>CAN data</translation>
        </message>
        <message>
            <source>Датчик положения (диапазоны)</source>
            <translation>Position sensor (ranges)</translation>
        </message>
        <message>
            <source>Тип %1</source>
            <translation>Type %1</translation>
        </message>
        <message>
            <source>Ом</source>
            <translation>Ohm</translation>
        </message>
        <message>
            <source>В</source>
            <translation>V</translation>
        </message>
        <message>
            <source>без имени</source>
            <translation>no name</translation>
        </message>
        <message>
            <source> В</source>
            <translation> V</translation>
        </message>
        <message>
            <source>&gt; 2 МОм</source>
            <translation>&gt; 2 MOhm</translation>
        </message>
        <message>
            <source> кОм</source>
            <translation> kOhm</translation>
        </message>
    </context>
    <context>
        <name>DashDescription</name>
        <message>
            <source>1 Вход 5В</source>
            <translation>1 Input 5V</translation>
        </message>
        <message>
            <source>2 Вход 5В</source>
            <translation>2 Input 5V</translation>
        </message>
        <message>
            <source>3 Вход 5В</source>
            <translation>3 Input 5V</translation>
        </message>
        <message>
            <source>4 Вход 5В</source>
            <translation>4 Input 5V</translation>
        </message>
        <message>
            <source>5 Вход 5В</source>
            <translation>5 Input 5V</translation>
        </message>
        <message>
            <source>6 Вход 5В</source>
            <translation>6 Input 5V</translation>
        </message>
        <message>
            <source>1 Вход(с подтяжкой)</source>
            <translation>1 Input (pull-up)</translation>
        </message>
        <message>
            <source>2 Вход(с подтяжкой)</source>
            <translation>2 Input (pull-up)</translation>
        </message>
        <message>
            <source>3 Вход(с подтяжкой)</source>
            <translation>3 Input (pull-up)</translation>
        </message>
        <message>
            <source>4 Вход(с подтяжкой)</source>
            <translation>4 Input (pull-up)</translation>
        </message>
        <message>
            <source>5 Вход(с подтяжкой)</source>
            <translation>5 Input (pull-up)</translation>
        </message>
        <message>
            <source>1 Вход для датчиков Холла</source>
            <translation>1 Input for Hall sensors</translation>
        </message>
        <message>
            <source>2 Вход для индуктивных датчиков</source>
            <translation>2 Input for inductive sensors</translation>
        </message>
        <message>
            <source>3 Вход для индуктивных датчиков</source>
            <translation>3 Input for inductive sensors</translation>
        </message>
        <message>
            <source>4 Вход для датчиков Холла</source>
            <translation>4 Input for Hall sensors</translation>
        </message>
    </context>
    <context>
        <name>DashNuvoCommonHeader</name>
        <message>
            <source>Настройки режима</source>
            <translation>Mode settings</translation>
        </message>
    </context>
    <context>
        <name>DashNuvoSkin</name>
        <message>
            <source>Больше ячеек</source>
            <translation>More cells</translation>
        </message>
        <message>
            <source>Меньше ячеек</source>
            <translation>Fewer cells</translation>
        </message>
        <message>
            <source>серийный номер Ardix: </source>
            <translation>Ardix serial number: </translation>
        </message>
    </context>
    <context>
        <name>DeltaPlot</name>
        <message>
            <source>Разница с лучшим кругом</source>
            <translation>Delta to best lap</translation>
        </message>
        <message>
            <source>РАЗНИЦА С ЛУЧШИМ КРУГОМ</source>
            <translation>DELTA TO BEST LAP</translation>
        </message>
        <message>
            <source>0 м</source>
            <translation>0 m</translation>
        </message>
        <message>
            <source> м</source>
            <translation> m</translation>
        </message>
        <message>
            <source>круг %1</source>
            <translation>lap %1</translation>
        </message>
        <message>
            <source>другие круги</source>
            <translation>other laps</translation>
        </message>
        <message>
            <source> м   %1</source>
            <translation> m   %1</translation>
        </message>
        <message>
            <source>нужно два круга и больше</source>
            <translation>needs two laps or more</translation>
        </message>
    </context>
    <context>
        <name>DeviceLogRow</name>
        <message>
            <source>Лог #%1</source>
            <translation>Log #%1</translation>
        </message>
        <message>
            <source>время записи не известно</source>
            <translation>recording time unknown</translation>
        </message>
        <message>
            <source>Скачать</source>
            <translation>Download</translation>
        </message>
    </context>
    <context>
        <name>DeviceSelector</name>
        <message>
            <source>Устройство:</source>
            <translation>Device:</translation>
        </message>
        <message>
            <source>Устройство</source>
            <translation>Device</translation>
        </message>
        <message>
            <source>Выбор устройства</source>
            <translation>Choose device</translation>
        </message>
    </context>
    <context>
        <name>DeviceStatusLabels</name>
        <message>
            <source>версия клиента: v%1</source>
            <translation>client version: v%1</translation>
        </message>
    </context>
    <context>
        <name>DiffTexts</name>
        <message>
            <source>добавлено</source>
            <translation>added</translation>
        </message>
        <message>
            <source>удалено</source>
            <translation>removed</translation>
        </message>
        <message numerus="yes">
            <source>%n отличий</source>
            <translation>
                <numerusform>%n difference</numerusform>
                <numerusform>%n differences</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n параметров</source>
            <translation>
                <numerusform>%n setting</numerusform>
                <numerusform>%n settings</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>DisabledModeMask</name>
        <message>
            <source>Режим отключен</source>
            <translation>Mode disabled</translation>
        </message>
        <message>
            <source>Включить его можно в настройках режима: желтая шестеренка вверху</source>
            <translation>Enable it in the mode settings: the yellow gear at the top</translation>
        </message>
        <message>
            <source>Настройки режима</source>
            <translation>Mode settings</translation>
        </message>
    </context>
    <context>
        <name>Editing</name>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
    </context>
    <context>
        <name>FieldValue</name>
        <message>
            <source>… (%1 байт)</source>
            <translation>… (%1 bytes)</translation>
        </message>
        <message>
            <source>да</source>
            <translation>yes</translation>
        </message>
        <message>
            <source>нет</source>
            <translation>none</translation>
        </message>
    </context>
    <context>
        <name>FloatTextField</name>
        <message>
            <source>, до %1</source>
            <translation>, up to %1</translation>
        </message>
        <message>
            <source> знаков после точки</source>
            <translation> decimals</translation>
        </message>
    </context>
    <context>
        <name>FrequencyInputPopup</name>
        <message>
            <source>Импульсный вход #%1</source>
            <translation>Pulse input #%1</translation>
        </message>
        <message>
            <source>Коеффициент:</source>
            <translation>Factor:</translation>
        </message>
        <message>
            <source>Коеффициент</source>
            <translation>Factor</translation>
        </message>
        <message>
            <source>Калибровать по GPS</source>
            <translation>Calibrate by GPS</translation>
        </message>
        <message>
            <source>Калибровать</source>
            <translation>Calibrate</translation>
        </message>
    </context>
    <context>
        <name>GearDigitalInputsDialog</name>
        <message>
            <source>Настройка передач</source>
            <translation>Gear setup</translation>
        </message>
    </context>
    <context>
        <name>GearSettingsDialog</name>
        <message>
            <source>Настройка передач</source>
            <translation>Gear setup</translation>
        </message>
        <message>
            <source>Количество передач</source>
            <translation>Number of gears</translation>
        </message>
        <message>
            <source>Главная пара</source>
            <translation>Final drive</translation>
        </message>
        <message>
            <source>Длина окружности колеса</source>
            <translation>Wheel circumference</translation>
        </message>
        <message>
            <source>Передача %1</source>
            <translation>Gear %1</translation>
        </message>
        <message>
            <source>Калибровать</source>
            <translation>Calibrate</translation>
        </message>
        <message>
            <source>Нет ни одного включенного CAN фильтра.</source>
            <translation>No CAN filter is switched on.</translation>
        </message>
        <message>
            <source>Перейти к настройкам CAN фильтров?</source>
            <translation>Go to the CAN filter settings?</translation>
        </message>
        <message>
            <source>Нейтраль</source>
            <translation>Neutral</translation>
        </message>
        <message>
            <source>Передача </source>
            <translation>Gear </translation>
        </message>
        <message>
            <source>Задний ход</source>
            <translation>Reverse</translation>
        </message>
        <message>
            <source>Включенная передача</source>
            <translation>Engaged gear</translation>
        </message>
        <message>
            <source>значение: </source>
            <translation>value: </translation>
        </message>
    </context>
    <context>
        <name>GlobalFunctionDialog</name>
        <message>
            <source>Настройка функции '%1</source>
            <translation>Function '%1</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>Имя функции</source>
            <translation>Function name</translation>
        </message>
        <message>
            <source>Функция активна, когда выполнены условия:</source>
            <translation>Function is active when these conditions are met:</translation>
        </message>
    </context>
    <context>
        <name>GlobalFunctionsAndCountersDialog</name>
        <message>
            <source>Глобальные функции и счетчики</source>
            <translation>Global functions and counters</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>Счетчик </source>
            <translation>Counter </translation>
        </message>
        <message>
            <source>Функция </source>
            <translation>Function </translation>
        </message>
        <message>
            <source>Удалить '%1</source>
            <translation>Delete '%1</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>+ Глобальная функция</source>
            <translation>+ Global function</translation>
        </message>
        <message>
            <source>+ Счетчик</source>
            <translation>+ Counter</translation>
        </message>
        <message>
            <source>нет глобальных функций и счетчиков</source>
            <translation>no global functions or counters</translation>
        </message>
        <message>
            <source>Счетчик: </source>
            <translation>Counter: </translation>
        </message>
        <message>
            <source>Функция: </source>
            <translation>Function: </translation>
        </message>
        <message>
            <source>от %1</source>
            <translation>from %1</translation>
        </message>
        <message>
            <source> до %1</source>
            <translation> to %1</translation>
        </message>
        <message>
            <source> условий</source>
            <translation> conditions</translation>
        </message>
        <message>
            <source>Вверх</source>
            <translation>Up</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Down</translation>
        </message>
        <message>
            <source>Изменить</source>
            <translation>Edit</translation>
        </message>
    </context>
    <context>
        <name>GpsHintDialog</name>
        <message>
            <source>Как установить модуль GPS</source>
            <translation>How to fit the GPS module</translation>
        </message>
        <message>
            <source>Понятно</source>
            <translation>Got it</translation>
        </message>
    </context>
    <context>
        <name>GpsModuleSettings</name>
        <message>
            <source>Модуль GPS, CAN 2</source>
            <translation>GPS module, CAN 2</translation>
        </message>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Удалить лучший круг из памяти Ardix?</source>
            <translation>Delete the best lap from the Ardix memory?</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Модуль и акселерометр</source>
            <translation>Module and accelerometer</translation>
        </message>
        <message>
            <source>Старт замера после отката 30 см (1 фут)</source>
            <translation>Start timing after 30 cm (1 ft) roll-out</translation>
        </message>
        <message>
            <source>Ось X инвертирована</source>
            <translation>X axis inverted</translation>
        </message>
        <message>
            <source>Ось Y инвертирована</source>
            <translation>Y axis inverted</translation>
        </message>
        <message>
            <source>Ось Z инвертирована</source>
            <translation>Z axis inverted</translation>
        </message>
        <message>
            <source>Поменять местами оси X и Y</source>
            <translation>Swap X and Y axes</translation>
        </message>
        <message>
            <source>Калибровка акселерометра</source>
            <translation>Accelerometer calibration</translation>
        </message>
        <message>
            <source>Автомобиль стоит на ровной площадке, двигатель можно не глушить</source>
            <translation>Car on level ground, the engine may keep running</translation>
        </message>
        <message>
            <source>Калибровать</source>
            <translation>Calibrate</translation>
        </message>
        <message>
            <source>Замеры разгона и торможения</source>
            <translation>Acceleration and braking runs</translation>
        </message>
        <message>
            <source>Разгон %1</source>
            <translation>Acceleration %1</translation>
        </message>
        <message>
            <source>км/ч</source>
            <translation>km/h</translation>
        </message>
        <message>
            <source>Дистанция %1</source>
            <translation>Distance %1</translation>
        </message>
        <message>
            <source>м</source>
            <translation>m</translation>
        </message>
        <message>
            <source>Торможение</source>
            <translation>Braking</translation>
        </message>
        <message>
            <source>с</source>
            <translation>s</translation>
        </message>
        <message>
            <source>Торможение с</source>
            <translation>Braking from</translation>
        </message>
        <message>
            <source>до 0</source>
            <translation>to 0</translation>
        </message>
        <message>
            <source>Стартовая линия</source>
            <translation>Start line</translation>
        </message>
        <message>
            <source>Название</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Название стартовой линии</source>
            <translation>Start line name</translation>
        </message>
        <message>
            <source>Широта</source>
            <translation>Latitude</translation>
        </message>
        <message>
            <source>Долгота</source>
            <translation>Longitude</translation>
        </message>
        <message>
            <source>Курс</source>
            <translation>Heading</translation>
        </message>
        <message>
            <source>Проезжая стартовую линию по ходу движения, нажмите:</source>
            <translation>While crossing the start line in the driving direction, press:</translation>
        </message>
        <message>
            <source>Взять положение автомобиля</source>
            <translation>Take the car's position</translation>
        </message>
        <message>
            <source>Загрузить из файла</source>
            <translation>Load from file</translation>
        </message>
        <message>
            <source>Сохранить в файл</source>
            <translation>Save to file</translation>
        </message>
        <message>
            <source>Лучший круг (эталон)</source>
            <translation>Best lap (reference)</translation>
        </message>
        <message>
            <source>Время круга: %1</source>
            <translation>Lap time: %1</translation>
        </message>
        <message>
            <source>Лучшего круга нет</source>
            <translation>No best lap</translation>
        </message>
        <message>
            <source>Финиш: %1</source>
            <translation>Finish: %1</translation>
        </message>
        <message>
            <source>Стартовая линия круга совпадает с текущей</source>
            <translation>The lap's start line matches the current one</translation>
        </message>
        <message>
            <source>Стартовая линия круга отличается от текущей</source>
            <translation>The lap's start line differs from the current one</translation>
        </message>
        <message>
            <source>Взять стартовую линию из круга</source>
            <translation>Take the start line from the lap</translation>
        </message>
        <message>
            <source>Загрузить с Ardix</source>
            <translation>Load from Ardix</translation>
        </message>
        <message>
            <source>Удалить на Ardix</source>
            <translation>Delete on Ardix</translation>
        </message>
    </context>
    <context>
        <name>InfoDialog</name>
        <message>
            <source>Скачать</source>
            <translation>Download</translation>
        </message>
    </context>
    <context>
        <name>InputRules</name>
        <message>
            <source>от %1</source>
            <translation>from %1</translation>
        </message>
        <message>
            <source> до %1</source>
            <translation> to %1</translation>
        </message>
        <message>
            <source>не длиннее %1</source>
            <translation>no longer than %1</translation>
        </message>
        <message>
            <source> байт: %1</source>
            <translation> bytes: %1</translation>
        </message>
        <message>
            <source> латинских или %1</source>
            <translation> Latin or %1</translation>
        </message>
        <message>
            <source> русских букв</source>
            <translation> Cyrillic letters</translation>
        </message>
    </context>
    <context>
        <name>InterfaceLanguageRow</name>
        <message>
            <source>Язык интерфейса</source>
            <translation>Interface language</translation>
        </message>
    </context>
    <context>
        <name>InternalFunctionSettingsDialog</name>
        <message>
            <source>Новое условие</source>
            <translation>New condition</translation>
        </message>
        <message>
            <source>Условие #%1</source>
            <translation>Condition #%1</translation>
        </message>
        <message>
            <source>Источник</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Канал</source>
            <translation>Channel</translation>
        </message>
        <message>
            <source>Условие</source>
            <translation>Condition</translation>
        </message>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>вкл. если &gt;</source>
            <translation>on if &gt;</translation>
        </message>
        <message>
            <source>выкл. если &lt;</source>
            <translation>off if &lt;</translation>
        </message>
        <message>
            <source>ДА, время</source>
            <translation>YES, time</translation>
        </message>
        <message>
            <source>Импульс</source>
            <translation>Pulse</translation>
        </message>
        <message>
            <source>Задержка вкл.</source>
            <translation>On delay</translation>
        </message>
        <message>
            <source>с</source>
            <translation>s</translation>
        </message>
        <message>
            <source>НЕТ, время</source>
            <translation>NO, time</translation>
        </message>
        <message>
            <source>выкл.</source>
            <translation>off</translation>
        </message>
        <message>
            <source>Задержка выкл.</source>
            <translation>Off delay</translation>
        </message>
        <message>
            <source>Единицы времени</source>
            <translation>Time units</translation>
        </message>
        <message>
            <source>сек</source>
            <translation>sec</translation>
        </message>
        <message>
            <source>мин</source>
            <translation>min</translation>
        </message>
        <message>
            <source>Срабатывание</source>
            <translation>Trigger</translation>
        </message>
        <message>
            <source>по заднему фронту</source>
            <translation>on falling edge</translation>
        </message>
        <message>
            <source>по переднему фронту</source>
            <translation>on rising edge</translation>
        </message>
        <message>
            <source>Запоминать состояние</source>
            <translation>Keep state</translation>
        </message>
        <message>
            <source>не доступно в данном PDM</source>
            <translation>not available on this PDM</translation>
        </message>
        <message>
            <source>Активен при старте</source>
            <translation>Active at start</translation>
        </message>
        <message>
            <source>Инвертировать результат</source>
            <translation>Invert result</translation>
        </message>
    </context>
    <context>
        <name>KernelText</name>
        <message>
            <source>Неизвестный файл!</source>
            <translation>Unknown file!</translation>
        </message>
        <message>
            <source>есть связь</source>
            <translation>connected</translation>
        </message>
        <message>
            <source>есть связь с PDM</source>
            <translation>PDM connected</translation>
        </message>
        <message>
            <source>Подключен и синхронизирован</source>
            <translation>Connected and in sync</translation>
        </message>
        <message>
            <source>все настройки загружены из ardix</source>
            <translation>all settings loaded from the Ardix</translation>
        </message>
        <message>
            <source>все настройки загружены из PDM</source>
            <translation>all settings loaded from the PDM</translation>
        </message>
        <message>
            <source>Ошибка, настройки Ardix получены неверного размера и не загружены, попробуйте еще раз</source>
            <translation>Error: Ardix settings arrived with a wrong size and were not loaded, please try again</translation>
        </message>
        <message>
            <source>Ошибка, настройки PDM получены неверного размера и не загружены, попробуйте еще раз</source>
            <translation>Error: PDM settings arrived with a wrong size and were not loaded, please try again</translation>
        </message>
        <message>
            <source>Упс #302
что-то идет не так
проверьте соответсвие версий 
возможно требуется обновление</source>
            <translation>Oops #302
something is going wrong
check that the versions match 
an update may be needed</translation>
        </message>
        <message>
            <source>Упс #303
что-то идет не так
проверьте соответсвие версий 
возможно требуется обновление </source>
            <translation>Oops #303
something is going wrong
check that the versions match 
an update may be needed </translation>
        </message>
        <message>
            <source>Упс #304
что-то идет не так
проверьте соответсвие версий 
возможно требуется обновление </source>
            <translation>Oops #304
something is going wrong
check that the versions match 
an update may be needed </translation>
        </message>
        <message>
            <source>Ошибка сохранения лога в память, пожалуйста проверьте привелегии приложения</source>
            <translation>Could not save the log, please check the app's permissions</translation>
        </message>
        <message>
            <source>Ошибка передачи лога, пожалуйста попробуйте еще раз</source>
            <translation>Log transfer failed, please try again</translation>
        </message>
        <message>
            <source>Упс, что-то пошло не так</source>
            <translation>Oops, something went wrong</translation>
        </message>
        <message>
            <source>Ок</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>для калибровки, вы должны находиться в движении на выбранной передаче
 скорость должна превышать 30км/ч, а обороты двигателя выше 1000об/мин</source>
            <translation>to calibrate, drive in the selected gear
 speed above 30 km/h and engine above 1000 rpm</translation>
        </message>
        <message>
            <source>для калибровки, вы должны находиться в движении

либо проверьте подключение датчика к нужному порту</source>
            <translation>to calibrate, the car must be moving

or check that the sensor is wired to the right port</translation>
        </message>
        <message>
            <source>Настройки стартовой линии применены</source>
            <translation>Start line settings applied</translation>
        </message>
        <message>
            <source>Не удалось распознать курс, калибровку нужно делать в движении!</source>
            <translation>Could not get the heading: calibrate while moving!</translation>
        </message>
        <message>
            <source>Ошибка #178, не могу скачать лучший круг</source>
            <translation>Error #178, cannot download the best lap</translation>
        </message>
        <message>
            <source>Ошибка #179</source>
            <translation>Error #179</translation>
        </message>
        <message>
            <source>Версия клиента и прошивки устройства несовместимы!</source>
            <translation>Client and device firmware versions are not compatible!</translation>
        </message>
        <message>
            <source>Обновление успешно установлено!</source>
            <translation>Update installed successfully!</translation>
        </message>
        <message>
            <source>PDM в режиме
обновления</source>
            <translation>PDM in
update mode</translation>
        </message>
        <message>
            <source>устройство в
режиме обновления</source>
            <translation>device in
update mode</translation>
        </message>
        <message>
            <source>Файл прошивки не найден, загрузите его заново</source>
            <translation>Firmware file not found, download it again</translation>
        </message>
        <message>
            <source>Файл прошивки поврежден: его контрольная сумма не совпадает с указанной в имени файла. Загрузите его заново</source>
            <translation>Firmware file damaged: its checksum does not match the one in its name. Download it again</translation>
        </message>
        <message>
            <source>ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала. При использовании WiFi рабочая дистанция ограничена</source>
            <translation>ERROR, something went wrong. Power the device off, close the app and start again. WiFi range is limited</translation>
        </message>
        <message>
            <source>ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала. При использовании WiFi рабочая дистанция ограничена!</source>
            <translation>ERROR, something went wrong. Power the device off, close the app and start again. WiFi range is limited!</translation>
        </message>
        <message>
            <source>ОШИБКА, что-то пошло не так. Возможно файл поврежден!</source>
            <translation>ERROR, something went wrong. The file may be damaged!</translation>
        </message>
        <message>
            <source>ОШИБКА, данная прошивка предназначена для другого устройства, серийный номер не совпадает!</source>
            <translation>ERROR, this firmware is for another device, the serial number does not match!</translation>
        </message>
        <message>
            <source>ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала!</source>
            <translation>ERROR, something went wrong. Power the device off, close the app and start again!</translation>
        </message>
        <message>
            <source>ОШИБКА, размер настроек не соответствует версии, обновите прошивку и клиентское приложение!</source>
            <translation>ERROR, the settings size does not match this version, update the firmware and the client app!</translation>
        </message>
        <message>
            <source>ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден!</source>
            <translation>ERROR, WiFi range is limited, or the file may be damaged!</translation>
        </message>
        <message>
            <source>ОШИБКА, данная прошивка предназначена для другого устройства</source>
            <translation>ERROR, this firmware is for another device</translation>
        </message>
        <message>
            <source>ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала</source>
            <translation>ERROR, something went wrong. Power the device off, close the app and start again</translation>
        </message>
        <message>
            <source>ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден</source>
            <translation>ERROR, WiFi range is limited, or the file may be damaged</translation>
        </message>
        <message>
            <source>поиск устройства</source>
            <translation>searching for device</translation>
        </message>
        <message>
            <source>нет связи c
устройством</source>
            <translation>no link to
device</translation>
        </message>
        <message>
            <source>отключен</source>
            <translation>disconnected</translation>
        </message>
        <message>
            <source>соединение с устройством не установлено, все произведенные изменения будут применены при первом же подключении</source>
            <translation>no connection to the device, all changes will be applied on the next connection</translation>
        </message>
        <message>
            <source>Похоже файл не найден</source>
            <translation>The file seems to be missing</translation>
        </message>
        <message>
            <source>Похоже файл поврежден</source>
            <translation>The file seems to be damaged</translation>
        </message>
        <message>
            <source>Похоже файл поврежден, либо имеет другую версию</source>
            <translation>The file seems to be damaged or of another version</translation>
        </message>
        <message>
            <source>Ошибка чтения структуры файла #1201</source>
            <translation>Error reading the file structure #1201</translation>
        </message>
        <message>
            <source>Похоже файл поврежден, либо имеет другую версию #1202</source>
            <translation>The file seems to be damaged or of another version #1202</translation>
        </message>
        <message>
            <source>Похоже файл поврежден, либо имеет другую версию #1203</source>
            <translation>The file seems to be damaged or of another version #1203</translation>
        </message>
        <message>
            <source>Похоже файл поврежден, либо имеет другую версию #1204</source>
            <translation>The file seems to be damaged or of another version #1204</translation>
        </message>
        <message>
            <source>Не могу открыть файл, ошибка!</source>
            <translation>Cannot open the file, error!</translation>
        </message>
        <message>
            <source>Данные GPS не найдены
в данном лог файле!</source>
            <translation>No GPS data
in this log file!</translation>
        </message>
        <message>
            <source>Некорректные координаты
стартовой линии!</source>
            <translation>Invalid start line
coordinates!</translation>
        </message>
        <message>
            <source>Ошибка постройки
стартовой линии!</source>
            <translation>Could not build
the start line!</translation>
        </message>
        <message>
            <source>Круги не найдены</source>
            <translation>No laps found</translation>
        </message>
        <message>
            <source>Настройки лучшего круга загружены</source>
            <translation>Best lap settings loaded</translation>
        </message>
        <message>
            <source>Упс, с файлом что-то не то</source>
            <translation>Oops, something is wrong with the file</translation>
        </message>
        <message>
            <source>без имени</source>
            <translation>no name</translation>
        </message>
        <message>
            <source>Упс, с настройками что-то не то</source>
            <translation>Oops, something is wrong with the settings</translation>
        </message>
        <message>
            <source>Файл сохранен успешно</source>
            <translation>File saved</translation>
        </message>
        <message>
            <source>Ошибка сохранения файла, пожалуйста проверьте привелегии приложения</source>
            <translation>Could not save the file, please check the app's permissions</translation>
        </message>
        <message>
            <source>Упс, файл не найден!

Проверьте разрешения доступа или недопустимые символы в имени файла</source>
            <translation>Oops, file not found!

Check the access rights or invalid characters in the file name</translation>
        </message>
        <message>
            <source>Ошибка чтения файла, пожалуйста проверьте привелегии приложения</source>
            <translation>Could not read the file, please check the app's permissions</translation>
        </message>
        <message>
            <source>Файл слишком большого размера!</source>
            <translation>The file is too large!</translation>
        </message>
        <message>
            <source>Нет подключения к устройству!</source>
            <translation>No connection to the device!</translation>
        </message>
        <message>
            <source>Файл передается, проверьте на экране Ardix.</source>
            <translation>Sending the file, check the Ardix screen.</translation>
        </message>
        <message>
            <source>Настройки PMX загружены</source>
            <translation>PMX settings loaded</translation>
        </message>
        <message>
            <source>Настройки Ardix 7 загружены</source>
            <translation>Ardix 7 settings loaded</translation>
        </message>
        <message>
            <source>Неизвестный файл!!</source>
            <translation>Unknown file!!</translation>
        </message>
        <message>
            <source>Ошибка, Пароль НЕ установлен</source>
            <translation>Error, password NOT set</translation>
        </message>
        <message>
            <source>Файл успешно сохранен и готов к установке</source>
            <translation>File saved and ready to install</translation>
        </message>
        <message>
            <source>Файл успешно сохранен, подключитесь к устройству с помощью WiFi, чтобы установить обновление</source>
            <translation>File saved, connect to the device over WiFi to install the update</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Нет локальных файлов&lt;/h2&gt;&lt;br&gt;&lt;h3&gt;для того чтобы загрузить обновления, возможно требуется подключиться к сети интернет&lt;/h3&gt;</source>
            <translation>&lt;h2&gt;No local files&lt;/h2&gt;&lt;br&gt;&lt;h3&gt;to download updates you may need an internet connection&lt;/h3&gt;</translation>
        </message>
        <message>
            <source>Доступны обновления прошивки для:
</source>
            <translation>Firmware updates available for:
</translation>
        </message>
        <message>
            <source>
 рекомендуется выполнить обновление устройст</source>
            <translation>
 updating the device is recommended</translation>
        </message>
        <message>
            <source>Упс, что то пошло не так!
Попробуйте загрузить обновление вручную с сайта </source>
            <translation>Oops, something went wrong!
Try downloading the update manually from </translation>
        </message>
        <message>
            <source>Ошибка загрузки обновления

кажется нет прав на запись</source>
            <translation>Update download failed

no write permission, it seems</translation>
        </message>
        <message>
            <source>Ошибка загрузки обновления

проверьте подключение к сети интернет!</source>
            <translation>Update download failed

check your internet connection!</translation>
        </message>
        <message>
            <source>Ошибка загрузки обновления #</source>
            <translation>Update download error #</translation>
        </message>
        <message>
            <source>Загруженный установщик предназначен для другой системы, установите обновление вручную: </source>
            <translation>The downloaded installer is for another system, install the update manually: </translation>
        </message>
        <message>
            <source>Файл прошивки больше, чем указано в его имени: загрузка прервана</source>
            <translation>Firmware file is larger than its name says: download stopped</translation>
        </message>
        <message>
            <source>Загрузка файла прошивки длилась слишком долго и прервана</source>
            <translation>Firmware download took too long and was stopped</translation>
        </message>
        <message>
            <source>Ошибка загрузки файла прошивки

проверьте подключение к сети интернет!</source>
            <translation>Firmware download failed

check your internet connection!</translation>
        </message>
        <message>
            <source>Сервер обновлений прислал слишком длинный список или отвечал слишком долго, список не обновлён</source>
            <translation>The update server sent too long a list or answered too slowly, list not refreshed</translation>
        </message>
        <message>
            <source>История изменений</source>
            <translation>Change history</translation>
        </message>
        <message>
            <source>Успешно экспортирован лог</source>
            <translation>Log exported</translation>
        </message>
        <message>
            <source>Не удалось записать файл:</source>
            <translation>Could not write the file:</translation>
        </message>
        <message>
            <source>Связь с Ardix прервалась на %1 % загрузки лога. Загрузка продолжится с этого места, когда Ardix снова будет на связи</source>
            <translation>The link to Ardix dropped at %1 % of the log download. The download resumes from there once Ardix is back on the link</translation>
        </message>
        <message>
            <source>Файл экспорта совпадает с конвертируемым логом и заменил бы его</source>
            <translation>The export file is the log being converted and would replace it</translation>
        </message>
        <message>
            <source>Версия прошивки Ardix устарела, новые настройки не будут применены.

Вам нужно выполнить обновление.</source>
            <translation>The Ardix firmware is out of date, the new settings will not be applied.

Please update the firmware.</translation>
        </message>
        <message>
            <source>%1 новая версия - B%2, текущая - %3
</source>
            <translation>%1 new version - B%2, installed - %3
</translation>
        </message>
    </context>
    <context>
        <name>KeypadButtonsSettingsDialog</name>
        <message>
            <source>Кейпад %1</source>
            <translation>Keypad %1</translation>
        </message>
        <message>
            <source>: кнопки</source>
            <translation>: buttons</translation>
        </message>
        <message>
            <source>Красный</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Зеленый</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Синий</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Кнопка #%1</source>
            <translation>Button #%1</translation>
        </message>
        <message>
            <source>Имя кнопки %1</source>
            <translation>Button name %1</translation>
        </message>
        <message>
            <source>: не горит</source>
            <translation>: off</translation>
        </message>
        <message>
            <source>Изменить</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Условие</source>
            <translation>Condition</translation>
        </message>
        <message>
            <source>, кнопка %1</source>
            <translation>, button %1</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
    </context>
    <context>
        <name>KeypadRules</name>
        <message>
            <source>Красный</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Зеленый</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Синий</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Желтый</source>
            <translation>Yellow</translation>
        </message>
        <message>
            <source>Голубой</source>
            <translation>Cyan</translation>
        </message>
        <message>
            <source>Фиолетовый</source>
            <translation>Violet</translation>
        </message>
        <message>
            <source>Белый</source>
            <translation>White</translation>
        </message>
        <message>
            <source>Янтарь</source>
            <translation>Amber</translation>
        </message>
        <message>
            <source>Желтый / Зеленый</source>
            <translation>Yellow / Green</translation>
        </message>
    </context>
    <context>
        <name>KeypadSettingsDialog</name>
        <message>
            <source>Настройки клавиатур и кейпадов</source>
            <translation>Keyboards and keypads</translation>
        </message>
        <message>
            <source>Кейпад %1</source>
            <translation>Keypad %1</translation>
        </message>
        <message>
            <source>Модель кейпада</source>
            <translation>Keypad model</translation>
        </message>
        <message>
            <source>Кейпад подключен</source>
            <translation>Keypad connected</translation>
        </message>
        <message>
            <source>Настроить этот кейпад</source>
            <translation>Set up this keypad</translation>
        </message>
        <message>
            <source>Кейпад ID (HEX)</source>
            <translation>Keypad ID (HEX)</translation>
        </message>
        <message>
            <source>Кейпад ID</source>
            <translation>Keypad ID</translation>
        </message>
        <message>
            <source>Яркость подсветки</source>
            <translation>Backlight brightness</translation>
        </message>
        <message>
            <source>Яркость индикации</source>
            <translation>Indicator brightness</translation>
        </message>
        <message>
            <source>цвет подсветки</source>
            <translation>Backlight colour</translation>
        </message>
        <message>
            <source>красный</source>
            <translation>red</translation>
        </message>
        <message>
            <source>зеленый</source>
            <translation>green</translation>
        </message>
        <message>
            <source>синий</source>
            <translation>blue</translation>
        </message>
        <message>
            <source>цвет подсветки: %1</source>
            <translation>backlight colour: %1</translation>
        </message>
        <message>
            <source>кнопки</source>
            <translation>buttons</translation>
        </message>
    </context>
    <context>
        <name>LampsConfigDialog</name>
        <message>
            <source>Настройка лампочек</source>
            <translation>Lamps setup</translation>
        </message>
    </context>
    <context>
        <name>LapRow</name>
        <message>
            <source>Не полный круг</source>
            <translation>Incomplete lap</translation>
        </message>
    </context>
    <context>
        <name>LapTexts</name>
        <message>
            <source>Частота: %1</source>
            <translation>Rate: %1</translation>
        </message>
        <message>
            <source>Гц%1</source>
            <translation>Hz%1</translation>
        </message>
        <message>
            <source>
Версия: </source>
            <translation>
Version: </translation>
        </message>
        <message>
            <source>
Кол-во кругов: %1</source>
            <translation>
Laps: %1</translation>
        </message>
        <message>
            <source>Лучший круг</source>
            <translation>Best lap</translation>
        </message>
        <message>
            <source>финиш: %1</source>
            <translation>finish: %1</translation>
        </message>
        <message>
            <source>

Время финиша</source>
            <translation>

Finish time</translation>
        </message>
        <message>
            <source> с</source>
            <translation> s</translation>
        </message>
        <message>
            <source> Мб</source>
            <translation> MB</translation>
        </message>
        <message>
            <source> кб</source>
            <translation> kB</translation>
        </message>
        <message>
            <source>формат CSV (Epifan, EcuEdit, ...)</source>
            <translation>CSV format (Epifan, EcuEdit, ...)</translation>
        </message>
        <message>
            <source>формат CSV + сжатие gzip</source>
            <translation>CSV format + gzip</translation>
        </message>
        <message>
            <source>формат elog(Ardix)</source>
            <translation>elog format (Ardix)</translation>
        </message>
        <message>
            <source>формат LD(I2)</source>
            <translation>LD format (I2)</translation>
        </message>
        <message>
            <source>Файлы CSV (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
        <message>
            <source>файлы логов Ardix (*.elog)</source>
            <translation>Ardix log files (*.elog)</translation>
        </message>
        <message>
            <source>Файлы LD (*.ld)</source>
            <translation>LD files (*.ld)</translation>
        </message>
    </context>
    <context>
        <name>LapsLogDialog</name>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Введите название точки старта</source>
            <translation>Enter a start point name</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Перезаписать линию старта в настройках на взятую из лога?</source>
            <translation>Replace the start line in the settings with the one from the log?</translation>
        </message>
        <message>
            <source>Перезаписать лучший круг в Ardix на взятый из лога?</source>
            <translation>Replace the best lap in the Ardix with the one from the log?</translation>
        </message>
        <message>
            <source>Вы действительно хотите удалить файл лога?</source>
            <translation>Delete this log file?</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Укажите куда сохранить файл</source>
            <translation>Choose where to save the file</translation>
        </message>
        <message>
            <source>Графики</source>
            <translation>Charts</translation>
        </message>
        <message>
            <source>

Список кругов не доступен</source>
            <translation>

Lap list not available</translation>
        </message>
        <message>
            <source>Линия старта(в логе)</source>
            <translation>Start line (in log)</translation>
        </message>
        <message>
            <source>Экспорт в файл</source>
            <translation>Export to file</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Лучший круг(в логе)</source>
            <translation>Best lap (in log)</translation>
        </message>
        <message>
            <source>Конвертация, экспорт, удаление файла elog</source>
            <translation>Convert, export, delete the elog file</translation>
        </message>
    </context>
    <context>
        <name>LocalLogRow</name>
        <message>
            <source>Графики</source>
            <translation>Charts</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
    </context>
    <context>
        <name>LogTimeEstimate</name>
        <message>
            <source>± вместимость файла  %1</source>
            <translation>± file capacity  %1</translation>
        </message>
        <message>
            <source>  общая  %1</source>
            <translation>  total  %1</translation>
        </message>
    </context>
    <context>
        <name>LogViewAxis</name>
        <message>
            <source>Частота: %1</source>
            <translation>Rate: %1</translation>
        </message>
        <message>
            <source> Гц   Длительность: %1</source>
            <translation> Hz   Duration: %1</translation>
        </message>
        <message>
            <source>   Путь: %1</source>
            <translation>   Path: %1</translation>
        </message>
    </context>
    <context>
        <name>LogViewDialog</name>
        <message>
            <source>Графики</source>
            <translation>Charts</translation>
        </message>
        <message>
            <source>Время</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Дистанция</source>
            <translation>Distance</translation>
        </message>
        <message>
            <source>Весь лог</source>
            <translation>Whole log</translation>
        </message>
        <message>
            <source>Два круга</source>
            <translation>Two laps</translation>
        </message>
        <message>
            <source>Круг %1</source>
            <translation>Lap %1</translation>
        </message>
        <message>
            <source>Первый круг</source>
            <translation>First lap</translation>
        </message>
        <message>
            <source>Второй круг</source>
            <translation>Second lap</translation>
        </message>
        <message>
            <source>Весь диапазон</source>
            <translation>Full range</translation>
        </message>
        <message>
            <source>Загрузка лога…</source>
            <translation>Loading log…</translation>
        </message>
        <message>
            <source>Выберите каналы слева</source>
            <translation>Choose channels on the left</translation>
        </message>
    </context>
    <context>
        <name>LogViewMap</name>
        <message>
            <source>Карта трассы</source>
            <translation>Track map</translation>
        </message>
        <message>
            <source>нет данных GPS</source>
            <translation>no GPS data</translation>
        </message>
    </context>
    <context>
        <name>LogViewModel</name>
        <message>
            <source> м</source>
            <translation> m</translation>
        </message>
        <message>
            <source>%1:%2 с</source>
            <translation>%1:%2 s</translation>
        </message>
    </context>
    <context>
        <name>Logic</name>
        <message>
            <source>ошибка #%1 опознования функции</source>
            <translation>function identification error #%1</translation>
        </message>
        <message>
            <source>Ошибка, проверьте верно ли указан серийный номер PMX в настройках PDM, раздел 'Связь с другими PMX'</source>
            <translation>Error: check the PMX serial number in the PDM settings, section 'Link to other PMX'</translation>
        </message>
        <message>
            <source>Ошибка, проверьте верно ли указан серийный номер PMX в настройках Ardix, раздел 'Связь с PMX'</source>
            <translation>Error: check the PMX serial number in the Ardix settings, section 'Link to PMX'</translation>
        </message>
        <message>
            <source>Ошибка, проверьте верно ли указан серийный номер Ardix в настройках PDM, раздел 'Связь с Ardix'</source>
            <translation>Error: check the Ardix serial number in the PDM settings, section 'Link to Ardix'</translation>
        </message>
        <message>
            <source>Ошибка, проверьте верно ли указан серийный номер второй панели Ardix в настройках, раздел 'Связь с другими Ardix'</source>
            <translation>Error: check the serial number of the second Ardix dash in the settings, section 'Link to other Ardix'</translation>
        </message>
        <message>
            <source>КОНСТАНТА ВСЕГДА</source>
            <translation>CONSTANT ALWAYS</translation>
        </message>
        <message>
            <source>КОНСТАНТА НИКОГДА</source>
            <translation>CONSTANT NEVER</translation>
        </message>
        <message>
            <source>Всегда активен</source>
            <translation>Always active</translation>
        </message>
        <message>
            <source>Никогда</source>
            <translation>Never</translation>
        </message>
        <message>
            <source>Постоянное переключение, мигание..</source>
            <translation>Constant toggling, flashing..</translation>
        </message>
        <message>
            <source>Температура</source>
            <translation>Temperature</translation>
        </message>
        <message>
            <source>Общий ток</source>
            <translation>Total current</translation>
        </message>
        <message>
            <source>Напряжение</source>
            <translation>Voltage</translation>
        </message>
        <message>
            <source> равно </source>
            <translation> equals </translation>
        </message>
        <message>
            <source> не равно </source>
            <translation> not equal to </translation>
        </message>
        <message>
            <source> меньше </source>
            <translation> less than </translation>
        </message>
        <message>
            <source> меньше или равно </source>
            <translation> less than or equal to </translation>
        </message>
        <message>
            <source> больше </source>
            <translation> greater than </translation>
        </message>
        <message>
            <source> больше или равно </source>
            <translation> greater than or equal to </translation>
        </message>
        <message>
            <source> гистерезис, вкл. если &gt; </source>
            <translation> hysteresis, on if &gt; </translation>
        </message>
        <message>
            <source>, выкл. если &lt; </source>
            <translation>, off if &lt; </translation>
        </message>
        <message>
            <source>Переключение, мигание, если %1%2, (ДА = %3%4, НЕТ = %5%4)</source>
            <translation>Flash, blink if %1%2, (YES = %3%4, NO = %5%4)</translation>
        </message>
        <message>
            <source>Импульс (%1%2, время импульса = %3%4)</source>
            <translation>Pulse (%1%2, pulse time = %3%4)</translation>
        </message>
        <message>
            <source>Переключатель(%1%2)</source>
            <translation>Toggle(%1%2)</translation>
        </message>
        <message>
            <source>Вход PDM #</source>
            <translation>PDM input #</translation>
        </message>
        <message>
            <source>Выход PDM #</source>
            <translation>PDM output #</translation>
        </message>
        <message>
            <source>Ток вых. PDM #</source>
            <translation>PDM out current #</translation>
        </message>
        <message>
            <source>Флаг перегрузки вых. PDM #</source>
            <translation>PDM out overcurrent flag #</translation>
        </message>
        <message>
            <source>Результат функции Ardix </source>
            <translation>Ardix function result </translation>
        </message>
        <message>
            <source>Результат функции PDM </source>
            <translation>PDM function result </translation>
        </message>
        <message>
            <source>значение счетчика Ardix (%1)</source>
            <translation>Ardix counter value (%1)</translation>
        </message>
        <message>
            <source>значение счетчика PDM (%1)</source>
            <translation>PDM counter value (%1)</translation>
        </message>
        <message>
            <source>Данные PDM CAN #</source>
            <translation>PDM CAN data #</translation>
        </message>
        <message>
            <source>Флаг ошибки вых. PDM #</source>
            <translation>PDM out fault flag #</translation>
        </message>
        <message>
            <source>Ardix: цифровой вход #</source>
            <translation>Ardix: digital input #</translation>
        </message>
        <message>
            <source>Ardix: состояние выхода #</source>
            <translation>Ardix: output state #</translation>
        </message>
        <message>
            <source>%1 кейпад, кнопка #%2(%3)</source>
            <translation>keypad %1, button #%2(%3)</translation>
        </message>
        <message>
            <source>%1 кейпад, цифровой вход #%2(%3)</source>
            <translation>keypad %1, digital input #%2(%3)</translation>
        </message>
        <message>
            <source>%1 кейпад, аналоговый вход #%2(%3)</source>
            <translation>keypad %1, analog input #%2(%3)</translation>
        </message>
        <message>
            <source>Вход Ardix CAN #</source>
            <translation>Ardix CAN input #</translation>
        </message>
        <message>
            <source>Вход PDM CAN #</source>
            <translation>PDM CAN input #</translation>
        </message>
        <message>
            <source>Ardix цифровой вход # </source>
            <translation>Ardix digital input # </translation>
        </message>
        <message>
            <source>Счетчик: </source>
            <translation>Counter: </translation>
        </message>
        <message>
            <source> мин</source>
            <translation> min</translation>
        </message>
        <message>
            <source> сек</source>
            <translation> sec</translation>
        </message>
        <message>
            <source>по переднему фронту, </source>
            <translation>on rising edge, </translation>
        </message>
        <message>
            <source>по заднему фронту, </source>
            <translation>on falling edge, </translation>
        </message>
        <message>
            <source> активен</source>
            <translation> active</translation>
        </message>
        <message>
            <source> не активен</source>
            <translation> inactive</translation>
        </message>
        <message>
            <source> активна</source>
            <translation> active</translation>
        </message>
        <message>
            <source> не активна</source>
            <translation> inactive</translation>
        </message>
        <message>
            <source> = ДА</source>
            <translation> = YES</translation>
        </message>
        <message>
            <source> = НЕТ</source>
            <translation> = NO</translation>
        </message>
        <message>
            <source>, значение</source>
            <translation>, value</translation>
        </message>
        <message>
            <source>, если активен</source>
            <translation>, if active</translation>
        </message>
        <message>
            <source>, если не активен</source>
            <translation>, if inactive</translation>
        </message>
        <message>
            <source> гистерезис, включение если &gt; </source>
            <translation> hysteresis, on if &gt; </translation>
        </message>
        <message>
            <source>, выключение если &lt; </source>
            <translation>, off if &lt; </translation>
        </message>
        <message>
            <source> (ИНВЕРТ.)</source>
            <translation> (INVERTED)</translation>
        </message>
        <message>
            <source> (⬆%1с)</source>
            <translation> (⬆%1s)</translation>
        </message>
        <message>
            <source> (⬇%1с)</source>
            <translation> (⬇%1s)</translation>
        </message>
    </context>
    <context>
        <name>LogsDialog</name>
        <message>
            <source>Логи</source>
            <translation>Logs</translation>
        </message>
        <message>
            <source>Загрузка списка логов…</source>
            <translation>Loading log list…</translation>
        </message>
        <message>
            <source>нет связи с Ardix
загрузка лога продолжится,
когда Ardix снова будет на связи</source>
            <translation>no link to the Ardix
the log download will resume
when the Ardix is back</translation>
        </message>
        <message>
            <source>Удалить все файлы логов на Ardix?</source>
            <translation>Delete all log files on the Ardix?</translation>
        </message>
        <message>
            <source>Вы действительно хотите удалить файл лога?</source>
            <translation>Delete this log file?</translation>
        </message>
        <message>
            <source>Введите имя файла</source>
            <translation>Enter a file name</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Файлы
%1</source>
            <translation>Files
%1</translation>
        </message>
        <message>
            <source>уже присутсвуют, их импорт отменен</source>
            <translation>already exist, their import was cancelled</translation>
        </message>
        <message>
            <source>Выберите файлы логов</source>
            <translation>Choose log files</translation>
        </message>
        <message>
            <source>Файлов логов нет</source>
            <translation>No log files</translation>
        </message>
        <message>
            <source>нет связи с Ardix</source>
            <translation>no link to the Ardix</translation>
        </message>
        <message>
            <source>удалить все файлы на Ardix</source>
            <translation>delete all files on the Ardix</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>На компьютере</source>
            <translation>On this computer</translation>
        </message>
        <message>
            <source>Скачайте лог с Ardix
или импортируйте файл</source>
            <translation>Download a log from the Ardix
or import a file</translation>
        </message>
        <message>
            <source>Импорт</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>файлы логов Ardix (*.elog)</source>
            <translation>Ardix log files (*.elog)</translation>
        </message>
    </context>
    <context>
        <name>LogsSettingsDialog</name>
        <message>
            <source>Настройки логирования</source>
            <translation>Logging setup</translation>
        </message>
        <message>
            <source>10 Гц</source>
            <translation>10 Hz</translation>
        </message>
        <message>
            <source>25 Гц</source>
            <translation>25 Hz</translation>
        </message>
        <message>
            <source>50 Гц</source>
            <translation>50 Hz</translation>
        </message>
        <message>
            <source>GPS: отставание/опережение круга</source>
            <translation>GPS: lap delta</translation>
        </message>
        <message>
            <source>Логировать данные</source>
            <translation>Log data</translation>
        </message>
        <message>
            <source>Перезаписывать файлы по кругу</source>
            <translation>Overwrite oldest files</translation>
        </message>
        <message>
            <source>макс. кол-во файлов</source>
            <translation>max. number of files</translation>
        </message>
        <message>
            <source>частота</source>
            <translation>rate</translation>
        </message>
        <message>
            <source>макс. размер файла</source>
            <translation>max. file size</translation>
        </message>
        <message>
            <source> Мб</source>
            <translation> MB</translation>
        </message>
        <message>
            <source>пауза выкл.</source>
            <translation>stop delay</translation>
        </message>
        <message>
            <source> сек</source>
            <translation> sec</translation>
        </message>
        <message>
            <source>Условия начала записи</source>
            <translation>Start recording when</translation>
        </message>
        <message>
            <source>Триггер %1</source>
            <translation>Trigger %1</translation>
        </message>
        <message>
            <source>Триггеры 1 и 2</source>
            <translation>Triggers 1 and 2</translation>
        </message>
        <message>
            <source>или</source>
            <translation>or</translation>
        </message>
        <message>
            <source>и</source>
            <translation>and</translation>
        </message>
        <message>
            <source>Что записывать</source>
            <translation>What to record</translation>
        </message>
        <message>
            <source>GPS модуль</source>
            <translation>GPS module</translation>
        </message>
        <message>
            <source>Данные PDM</source>
            <translation>PDM data</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Режим %1</source>
            <translation>Mode %1</translation>
        </message>
        <message>
            <source>Текущее
состояние </source>
            <translation>Live
state </translation>
        </message>
        <message>
            <source>Логи</source>
            <translation>Logs</translation>
        </message>
        <message>
            <source>Загрузить
настройки</source>
            <translation>Load
settings</translation>
        </message>
        <message>
            <source>Яркость</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Сохранить
настройки</source>
            <translation>Save
settings</translation>
        </message>
        <message>
            <source>Настройки
%1</source>
            <translation>Settings
%1</translation>
        </message>
    </context>
    <context>
        <name>MenuSpinBox</name>
        <message>
            <source>: уменьшить</source>
            <translation>: decrease</translation>
        </message>
        <message>
            <source>: увеличить</source>
            <translation>: increase</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Внимание!</source>
            <translation>Warning!</translation>
        </message>
        <message>
            <source>Ок</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>от %1</source>
            <translation>from %1</translation>
        </message>
        <message>
            <source>до %1</source>
            <translation>to %1</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>ModuleInputRules</name>
        <message>
            <source>Нет</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Лампа </source>
            <translation>Lamp </translation>
        </message>
        <message>
            <source>функция #%1</source>
            <translation>function #%1</translation>
        </message>
        <message>
            <source> — занято входом #%1</source>
            <translation> — used by input #%1</translation>
        </message>
        <message>
            <source>» уже назначена на вход #%1</source>
            <translation>» is already on input #%1</translation>
        </message>
    </context>
    <context>
        <name>MySpinBox</name>
        <message>
            <source> не принято: </source>
            <translation> not accepted: </translation>
        </message>
    </context>
    <context>
        <name>OilPressureWarningDialog</name>
        <message>
            <source>Настройка предупреждения по давлению масла
 с привязкой к оборотам двигателя</source>
            <translation>Oil pressure warning
 against engine RPM</translation>
        </message>
        <message>
            <source>Предупреждать
светодиодными лампами</source>
            <translation>Warn with
LED lamps</translation>
        </message>
        <message>
            <source>сек</source>
            <translation>sec</translation>
        </message>
        <message>
            <source>до 1000</source>
            <translation>up to 1000</translation>
        </message>
        <message>
            <source> об/мин</source>
            <translation> rpm</translation>
        </message>
        <message>
            <source>Давление масла %1</source>
            <translation>Oil pressure %1</translation>
        </message>
    </context>
    <context>
        <name>OutputPortConfigDialog</name>
        <message>
            <source>Здесь можно управлять настройками выходов</source>
            <translation>Set up the outputs here</translation>
        </message>
        <message>
            <source>Нет</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Вентилятор(Гистерезис)</source>
            <translation>Fan (hysteresis)</translation>
        </message>
        <message>
            <source>Выход #%1</source>
            <translation>Output #%1</translation>
        </message>
        <message>
            <source>: режим</source>
            <translation>: mode</translation>
        </message>
        <message>
            <source>: показатель</source>
            <translation>: gauge</translation>
        </message>
        <message>
            <source>вкл.</source>
            <translation>on</translation>
        </message>
        <message>
            <source>: вкл.</source>
            <translation>: on</translation>
        </message>
        <message>
            <source>выкл.</source>
            <translation>off</translation>
        </message>
        <message>
            <source>: выкл.</source>
            <translation>: off</translation>
        </message>
    </context>
    <context>
        <name>PdmFuncUsage</name>
        <message>
            <source>Глобальная функция</source>
            <translation>Global function</translation>
        </message>
        <message>
            <source>Счетчик</source>
            <translation>Counter</translation>
        </message>
        <message>
            <source>Встроенная функция</source>
            <translation>Built-in function</translation>
        </message>
        <message>
            <source>%1 используется в настройках:
</source>
            <translation>%1 is used in:
</translation>
        </message>
        <message>
            <source>ВЫХОД - '%1'</source>
            <translation>OUTPUT - '%1'</translation>
        </message>
        <message>
            <source>ВЫХОД - '%1 (PWM)'</source>
            <translation>OUTPUT - '%1 (PWM)'</translation>
        </message>
        <message>
            <source>Функция - '%1'</source>
            <translation>Function - '%1'</translation>
        </message>
        <message>
            <source>Счетчик - '%1'</source>
            <translation>Counter - '%1'</translation>
        </message>
        <message>
            <source>Индикация, Кейпад #%1 - Кнопка #%2 '%3'</source>
            <translation>Indication, keypad #%1 - button #%2 '%3'</translation>
        </message>
        <message>
            <source>Функция - 'Размыкатель'</source>
            <translation>Function - 'Master switch'</translation>
        </message>
        <message>
            <source>Функция - 'Сброс ошибок'</source>
            <translation>Function - 'Error reset'</translation>
        </message>
        <message>
            <source>Функция - 'Переход в сон'</source>
            <translation>Function - 'Sleep'</translation>
        </message>
        <message>
            <source>CAN передача, id пакета - '%1(0x%2)'</source>
            <translation>CAN transmit, frame id - '%1(0x%2)'</translation>
        </message>
    </context>
    <context>
        <name>PdmFunctionChoices</name>
        <message>
            <source>Если да(активный)</source>
            <translation>If yes (active)</translation>
        </message>
        <message>
            <source>Если нет(не активный)</source>
            <translation>If no (inactive)</translation>
        </message>
        <message>
            <source>Переключатель, циклический выбор(2 положения)</source>
            <translation>Toggle, cycles through (2 positions)</translation>
        </message>
        <message>
            <source>Переключение, мигание(по времени)</source>
            <translation>Flash, blink (timed)</translation>
        </message>
        <message>
            <source>Импульс</source>
            <translation>Pulse</translation>
        </message>
        <message>
            <source>Если равно</source>
            <translation>If equal</translation>
        </message>
        <message>
            <source>Если не равно</source>
            <translation>If not equal</translation>
        </message>
        <message>
            <source>Если меньше</source>
            <translation>If less than</translation>
        </message>
        <message>
            <source>Если меньше или равно</source>
            <translation>If less than or equal</translation>
        </message>
        <message>
            <source>Если больше</source>
            <translation>If greater than</translation>
        </message>
        <message>
            <source>Если больше или равно</source>
            <translation>If greater than or equal</translation>
        </message>
        <message>
            <source>Гистерезис</source>
            <translation>Hysteresis</translation>
        </message>
        <message>
            <source>ВСЕГДА да(активный)</source>
            <translation>ALWAYS yes (active)</translation>
        </message>
        <message>
            <source>ВСЕГДА нет(не активный)</source>
            <translation>ALWAYS no (inactive)</translation>
        </message>
        <message>
            <source>Цифровые входы PDM</source>
            <translation>PDM digital inputs</translation>
        </message>
        <message>
            <source>Аналоговые входы PDM</source>
            <translation>PDM analog inputs</translation>
        </message>
        <message>
            <source>Состояние выходов PDM</source>
            <translation>PDM output state</translation>
        </message>
        <message>
            <source>Ток выхода PDM</source>
            <translation>PDM output current</translation>
        </message>
        <message>
            <source>Флаг перегрузки выхода PDM</source>
            <translation>PDM output overcurrent flag</translation>
        </message>
        <message>
            <source>Флаг ошибки выхода PDM</source>
            <translation>PDM output fault flag</translation>
        </message>
        <message>
            <source>Константы</source>
            <translation>Constants</translation>
        </message>
        <message>
            <source>Счетчики</source>
            <translation>Counters</translation>
        </message>
        <message>
            <source>Глобальная функция</source>
            <translation>Global function</translation>
        </message>
        <message>
            <source>Данные PDM</source>
            <translation>PDM data</translation>
        </message>
        <message>
            <source>Данные Ardix</source>
            <translation>Ardix data</translation>
        </message>
        <message>
            <source>Данные ECU</source>
            <translation>ECU data</translation>
        </message>
        <message>
            <source>CAN (данные)</source>
            <translation>CAN (data)</translation>
        </message>
        <message>
            <source>CAN (цифровые входы)</source>
            <translation>CAN (digital inputs)</translation>
        </message>
        <message>
            <source>Кейпад %1</source>
            <translation>Keypad %1</translation>
        </message>
        <message>
            <source>Вход #%1</source>
            <translation>Input #%1</translation>
        </message>
        <message>
            <source> - не активирован</source>
            <translation> - not activated</translation>
        </message>
        <message>
            <source>Выход #%1</source>
            <translation>Output #%1</translation>
        </message>
        <message>
            <source>Температура</source>
            <translation>Temperature</translation>
        </message>
        <message>
            <source>Общий ток</source>
            <translation>Total current</translation>
        </message>
        <message>
            <source>Напряжение</source>
            <translation>Voltage</translation>
        </message>
        <message>
            <source>Есть ли связь с Ardix</source>
            <translation>Ardix link present</translation>
        </message>
        <message>
            <source>Есть ли связь с ECU</source>
            <translation>ECU link present</translation>
        </message>
        <message>
            <source>Данные #%1</source>
            <translation>Data #%1</translation>
        </message>
        <message>
            <source>Кнопка #%1</source>
            <translation>Button #%1</translation>
        </message>
        <message>
            <source>Доп. вход #%1</source>
            <translation>Extra input #%1</translation>
        </message>
        <message>
            <source>Константа</source>
            <translation>Constant</translation>
        </message>
    </context>
    <context>
        <name>PdmHomeSummary</name>
        <message>
            <source>Выход #%1</source>
            <translation>Output #%1</translation>
        </message>
        <message>
            <source>Питание</source>
            <translation>Supply</translation>
        </message>
        <message>
            <source>В</source>
            <translation>V</translation>
        </message>
        <message>
            <source>Общий ток</source>
            <translation>Total current</translation>
        </message>
        <message>
            <source>А</source>
            <translation>A</translation>
        </message>
        <message>
            <source>Температура</source>
            <translation>Temperature</translation>
        </message>
        <message>
            <source>Включено выходов: %1 из %2</source>
            <translation>Outputs on: %1 of %2</translation>
        </message>
        <message>
            <source>Ожидание данных PDM…</source>
            <translation>Waiting for PDM data…</translation>
        </message>
        <message>
            <source>Неисправностей нет</source>
            <translation>No faults</translation>
        </message>
        <message>
            <source>Неисправность: %1</source>
            <translation>Fault: %1</translation>
        </message>
        <message>
            <source>Перегрузка по току: %1</source>
            <translation>Overcurrent: %1</translation>
        </message>
    </context>
    <context>
        <name>PdmInputsSettingsDialog</name>
        <message>
            <source>Настройка физических входов PDM</source>
            <translation>PDM physical inputs setup</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>не активирован</source>
            <translation>not activated</translation>
        </message>
        <message>
            <source>цифровой, подтяжка к массе</source>
            <translation>digital, pull-down to ground</translation>
        </message>
        <message>
            <source>цифровой, подтяжка к +12В</source>
            <translation>digital, pull-up to +12V</translation>
        </message>
        <message>
            <source>аналоговый</source>
            <translation>analog</translation>
        </message>
        <message>
            <source>Вход #%1</source>
            <translation>Input #%1</translation>
        </message>
        <message>
            <source>   пин %1</source>
            <translation>   pin %1</translation>
        </message>
        <message>
            <source>  (загрузчик)</source>
            <translation>  (bootloader)</translation>
        </message>
        <message>
            <source>Имя входа %1</source>
            <translation>Input name %1</translation>
        </message>
        <message>
            <source>Режим входа %1</source>
            <translation>Input mode %1</translation>
        </message>
    </context>
    <context>
        <name>PdmOutputSettingsDialog</name>
        <message>
            <source>Настройка выхода #%1</source>
            <translation>Output #%1 setup</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>Имя выхода</source>
            <translation>Output name</translation>
        </message>
        <message>
            <source>пин %1</source>
            <translation>pin %1</translation>
        </message>
        <message>
            <source>Токи и перезапуски</source>
            <translation>Currents and retries</translation>
        </message>
        <message>
            <source>Макс. ток, А</source>
            <translation>Max. current, A</translation>
        </message>
        <message>
            <source>Мин. ток, А</source>
            <translation>Min. current, A</translation>
        </message>
        <message>
            <source>Пусковой ток, А</source>
            <translation>Inrush current, A</translation>
        </message>
        <message>
            <source>Время пуска, мс</source>
            <translation>Inrush time, ms</translation>
        </message>
        <message>
            <source>Перезапусков</source>
            <translation>Retries</translation>
        </message>
        <message>
            <source>Пауза, мс</source>
            <translation>Pause, ms</translation>
        </message>
        <message>
            <source>Выключать размыкателем</source>
            <translation>Switch off with the master switch</translation>
        </message>
        <message>
            <source>Работает во сне</source>
            <translation>Works in sleep</translation>
        </message>
        <message>
            <source>Режим PWM</source>
            <translation>PWM mode</translation>
        </message>
        <message>
            <source>Условия включения</source>
            <translation>Switch-on conditions</translation>
        </message>
        <message>
            <source>Выход не включится, пока не назначено ни одного условия</source>
            <translation>The output will not switch on until a condition is set</translation>
        </message>
        <message>
            <source>Выход %1</source>
            <translation>Output %1</translation>
        </message>
        <message>
            <source>Управление PWM</source>
            <translation>PWM control</translation>
        </message>
        <message>
            <source>Мин. заполнение, %</source>
            <translation>Min. duty, %</translation>
        </message>
    </context>
    <context>
        <name>PdmOutputsListDialog</name>
        <message>
            <source>Список выходов PDM</source>
            <translation>PDM outputs</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>не назначено условие включения</source>
            <translation>no switch-on condition</translation>
        </message>
        <message>
            <source>Выход #%1</source>
            <translation>Output #%1</translation>
        </message>
        <message>
            <source>пин %1</source>
            <translation>pin %1</translation>
        </message>
        <message>
            <source>,  макс. ток %1</source>
            <translation>,  max. current %1</translation>
        </message>
        <message>
            <source>А%1</source>
            <translation>A%1</translation>
        </message>
    </context>
    <context>
        <name>PdmPasswordSettingsDialog</name>
        <message>
            <source>Установить парольную защиту на доступ к настройкам?</source>
            <translation>Protect the settings with a password?</translation>
        </message>
        <message>
            <source>Введите пароль, чтобы получить доступ к настройкам</source>
            <translation>Enter the password to access the settings</translation>
        </message>
        <message>
            <source>введите пароль дважды</source>
            <translation>enter the password twice</translation>
        </message>
        <message>
            <source>введите пароль</source>
            <translation>enter the password</translation>
        </message>
        <message>
            <source>пароль</source>
            <translation>password</translation>
        </message>
        <message>
            <source>Пароль</source>
            <translation>Password</translation>
        </message>
        <message>
            <source>пароль еще раз</source>
            <translation>password again</translation>
        </message>
        <message>
            <source>Пароль еще раз</source>
            <translation>Password again</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>PdmRealtimeDataDialog</name>
        <message>
            <source>Текущее состояние PDM</source>
            <translation>PDM live state</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>Вход #%1</source>
            <translation>Input #%1</translation>
        </message>
        <message>
            <source>Данные #%1</source>
            <translation>Data #%1</translation>
        </message>
        <message>
            <source>нет подключения</source>
            <translation>not connected</translation>
        </message>
        <message>
            <source>Температура: %1</source>
            <translation>Temperature: %1</translation>
        </message>
        <message>
            <source>Общий ток: %1</source>
            <translation>Total current: %1</translation>
        </message>
        <message>
            <source>А</source>
            <translation>A</translation>
        </message>
        <message>
            <source>Напряжение: %1</source>
            <translation>Voltage: %1</translation>
        </message>
        <message>
            <source>В</source>
            <translation>V</translation>
        </message>
        <message>
            <source>Выход PDM</source>
            <translation>PDM output</translation>
        </message>
        <message>
            <source>Пин</source>
            <translation>Pin</translation>
        </message>
        <message>
            <source>Ток</source>
            <translation>Current</translation>
        </message>
        <message>
            <source>Сост.</source>
            <translation>State</translation>
        </message>
        <message>
            <source>Загрузка</source>
            <translation>Load</translation>
        </message>
        <message>
            <source>Вход PDM</source>
            <translation>PDM input</translation>
        </message>
        <message>
            <source>Условия/Счетчики</source>
            <translation>Conditions/Counters</translation>
        </message>
        <message>
            <source>нет глобальных функций и счетчиков</source>
            <translation>no global functions or counters</translation>
        </message>
        <message>
            <source>ошибка</source>
            <translation>fault</translation>
        </message>
        <message>
            <source>перегрузка</source>
            <translation>overcurrent</translation>
        </message>
        <message>
            <source>вкл.</source>
            <translation>on</translation>
        </message>
        <message>
            <source>выкл.</source>
            <translation>off</translation>
        </message>
        <message>
            <source>%1. %2: %3, ток %4 А</source>
            <translation>%1. %2: %3, current %4 A</translation>
        </message>
        <message>
            <source>%1. %2: %3</source>
            <translation>%1. %2: %3</translation>
        </message>
    </context>
    <context>
        <name>PdmSettingsDialog</name>
        <message>
            <source>Настройки PDM</source>
            <translation>PDM settings</translation>
        </message>
        <message>
            <source>использовано операций %1</source>
            <translation>operations used %1</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Применить изменения?</source>
            <translation>Apply changes?</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Нет, Удалить</source>
            <translation>No, discard</translation>
        </message>
        <message>
            <source> условие не назначено</source>
            <translation> no condition set</translation>
        </message>
        <message>
            <source>Все выходы, будут выключены при условии:</source>
            <translation>All outputs will be switched off when:</translation>
        </message>
        <message>
            <source>Текущее состояние</source>
            <translation>Live state</translation>
        </message>
        <message>
            <source>Входы</source>
            <translation>Inputs</translation>
        </message>
        <message>
            <source>Выходы</source>
            <translation>Outputs</translation>
        </message>
        <message>
            <source>Кейпад</source>
            <translation>Keypad</translation>
        </message>
        <message>
            <source>Размыкатель   -&gt;</source>
            <translation>Master switch   -&gt;</translation>
        </message>
        <message>
            <source>Сброс ошибок   -&gt;</source>
            <translation>Error reset   -&gt;</translation>
        </message>
        <message>
            <source>Ошибки выходов будут сброшены при условии:</source>
            <translation>Output errors will be reset when:</translation>
        </message>
        <message>
            <source>Переход в сон   -&gt;</source>
            <translation>Sleep   -&gt;</translation>
        </message>
        <message>
            <source>PDM перейдет в сон при условии:</source>
            <translation>The PDM will go to sleep when:</translation>
        </message>
        <message>
            <source>Убрать</source>
            <translation>Clear</translation>
        </message>
        <message>
            <source>Убрать условие: %1</source>
            <translation>Clear condition: %1</translation>
        </message>
        <message>
            <source>Глобальные функции и счетчики</source>
            <translation>Global functions and counters</translation>
        </message>
        <message>
            <source>Can связь, скорость   -&gt;</source>
            <translation>CAN link, speed   -&gt;</translation>
        </message>
        <message>
            <source>Can скорость</source>
            <translation>CAN speed</translation>
        </message>
        <message>
            <source>Протокол Ecu</source>
            <translation>ECU protocol</translation>
        </message>
        <message>
            <source>Can прием  -&gt;</source>
            <translation>CAN receive  -&gt;</translation>
        </message>
        <message>
            <source>CAN Фильтры</source>
            <translation>CAN filters</translation>
        </message>
        <message>
            <source>Can прием: фильтры</source>
            <translation>CAN receive: filters</translation>
        </message>
        <message>
            <source>CAN Цифровые
входы(биты)</source>
            <translation>CAN digital
inputs (bits)</translation>
        </message>
        <message>
            <source>Can прием: цифровые входы</source>
            <translation>CAN receive: digital inputs</translation>
        </message>
        <message>
            <source>Прием
данных</source>
            <translation>Receive
data</translation>
        </message>
        <message>
            <source>Can прием: прием данных</source>
            <translation>CAN receive: data</translation>
        </message>
        <message>
            <source>Can передача</source>
            <translation>CAN transmit</translation>
        </message>
        <message>
            <source>Частота PWM выходов</source>
            <translation>PWM output frequency</translation>
        </message>
        <message>
            <source>Гц</source>
            <translation>Hz</translation>
        </message>
        <message>
            <source>Частота PWM выходов, Гц</source>
            <translation>PWM output frequency, Hz</translation>
        </message>
        <message>
            <source>Обновление прошивки PDM</source>
            <translation>PDM firmware update</translation>
        </message>
        <message>
            <source>Парольная защита настроек уже установлена</source>
            <translation>Settings password is already set</translation>
        </message>
        <message>
            <source>Установить парольную защиту настроек</source>
            <translation>Set a settings password</translation>
        </message>
        <message>
            <source>Сбросить настройки PDM</source>
            <translation>Reset PDM settings</translation>
        </message>
        <message>
            <source>Вы действительно хотите сбросить настройки PDM?</source>
            <translation>Reset all PDM settings?</translation>
        </message>
        <message>
            <source>Загрузить настройки PDM из файла</source>
            <translation>Load PDM settings from file</translation>
        </message>
        <message>
            <source>Сохранить настройки PDM в файл</source>
            <translation>Save PDM settings to file</translation>
        </message>
        <message>
            <source>История настроек</source>
            <translation>Settings history</translation>
        </message>
    </context>
    <context>
        <name>PopUpMessage</name>
        <message>
            <source>нет связи c
устройством</source>
            <translation>no link to
device</translation>
        </message>
    </context>
    <context>
        <name>PwmFunctionsList</name>
        <message>
            <source>Активна</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Вверх</source>
            <translation>Up</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Down</translation>
        </message>
        <message>
            <source>Изменить</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>+ Добавить PWM условие</source>
            <translation>+ Add PWM condition</translation>
        </message>
    </context>
    <context>
        <name>RangeRow</name>
        <message>
            <source>от</source>
            <translation>from</translation>
        </message>
        <message>
            <source> от</source>
            <translation> from</translation>
        </message>
        <message>
            <source>до</source>
            <translation>to</translation>
        </message>
        <message>
            <source> до</source>
            <translation> to</translation>
        </message>
    </context>
    <context>
        <name>RawInputsPanel</name>
        <message>
            <source>Показания входов</source>
            <translation>Input readings</translation>
        </message>
        <message>
            <source>Обновить</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>Обновить показания входов</source>
            <translation>Refresh input readings</translation>
        </message>
        <message>
            <source>Пин</source>
            <translation>Pin</translation>
        </message>
        <message>
            <source>Вход</source>
            <translation>Input</translation>
        </message>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Пин %1</source>
            <translation>Pin %1</translation>
        </message>
        <message>
            <source>нет данных</source>
            <translation>no data</translation>
        </message>
        <message>
            <source>не подключен</source>
            <translation>not connected</translation>
        </message>
    </context>
    <context>
        <name>RpmWarningDialog</name>
        <message>
            <source>Лампы индикации оборотов</source>
            <translation>Shift lights</translation>
        </message>
        <message>
            <source>Лампы %1</source>
            <translation>Lamps %1</translation>
        </message>
        <message>
            <source>об/мин</source>
            <translation>rpm</translation>
        </message>
        <message>
            <source>Использовать лампы</source>
            <translation>Use the lamps</translation>
        </message>
        <message>
            <source>Максимальные обороты </source>
            <translation>Max. RPM </translation>
        </message>
        <message>
            <source>Яркость %1</source>
            <translation>Brightness %1</translation>
        </message>
        <message>
            <source>зеленые</source>
            <translation>green</translation>
        </message>
        <message>
            <source>желтые</source>
            <translation>yellow</translation>
        </message>
        <message>
            <source>красные</source>
            <translation>red</translation>
        </message>
        <message>
            <source>Яркость</source>
            <translation>Brightness</translation>
        </message>
    </context>
    <context>
        <name>SensorMenu</name>
        <message>
            <source>Выбор показателя</source>
            <translation>Choose a gauge</translation>
        </message>
        <message>
            <source>удалить</source>
            <translation>delete</translation>
        </message>
        <message>
            <source>предупреждения</source>
            <translation>warnings</translation>
        </message>
        <message>
            <source>Настройка передач</source>
            <translation>Gear setup</translation>
        </message>
        <message>
            <source>Здесь только активные показатели: показатель становится активным, когда для него выбран источник данных</source>
            <translation>Only active gauges are listed here: a gauge becomes active once a data source is chosen for it</translation>
        </message>
        <message>
            <source> (например, ECU).</source>
            <translation> (an ECU, for example).</translation>
        </message>
    </context>
    <context>
        <name>SensorSourceRow</name>
        <message>
            <source>: источник</source>
            <translation>: source</translation>
        </message>
        <message>
            <source>: вход</source>
            <translation>: input</translation>
        </message>
        <message>
            <source>таблица</source>
            <translation>table</translation>
        </message>
        <message>
            <source>коэф.</source>
            <translation>factor</translation>
        </message>
        <message>
            <source>настроить</source>
            <translation>set up</translation>
        </message>
        <message>
            <source>мин</source>
            <translation>min</translation>
        </message>
        <message>
            <source>калибровка: мин</source>
            <translation>calibrate: min</translation>
        </message>
        <message>
            <source>макс</source>
            <translation>max</translation>
        </message>
        <message>
            <source>калибровка: макс</source>
            <translation>calibrate: max</translation>
        </message>
        <message>
            <source>Время
усреднения</source>
            <translation>Averaging
time</translation>
        </message>
        <message>
            <source>Время усреднения</source>
            <translation>Averaging time</translation>
        </message>
        <message>
            <source>Стехиометрия</source>
            <translation>Stoichiometric</translation>
        </message>
    </context>
    <context>
        <name>SensorSources</name>
        <message>
            <source>Нет(другое)</source>
            <translation>None (other)</translation>
        </message>
        <message>
            <source>Аналоговый датчик</source>
            <translation>Analog sensor</translation>
        </message>
        <message>
            <source>Импульсный датчик</source>
            <translation>Pulse sensor</translation>
        </message>
        <message>
            <source>EGT CAN модуль</source>
            <translation>EGT CAN module</translation>
        </message>
        <message>
            <source>Расчет из скорости и оборотов</source>
            <translation>Calculated from speed and RPM</translation>
        </message>
        <message>
            <source>Цифровые входы</source>
            <translation>Digital inputs</translation>
        </message>
        <message>
            <source>Пин %1</source>
            <translation>Pin %1</translation>
        </message>
        <message>
            <source>&lt;- Выберите нужный %1</source>
            <translation>&lt;- Choose the %1</translation>
        </message>
        <message>
            <source>CAN фильтр</source>
            <translation>CAN filter</translation>
        </message>
        <message>
            <source>вход</source>
            <translation>input</translation>
        </message>
        <message>
            <source>SAMSONAS секвентальная кпп, 5 передач(5В подключение)</source>
            <translation>SAMSONAS sequential gearbox, 5 gears (5V wiring)</translation>
        </message>
        <message>
            <source>Пользовательский: %1</source>
            <translation>Custom: %1</translation>
        </message>
    </context>
    <context>
        <name>SensorsByInputType</name>
        <message>
            <source>Активируйте и настройте предупреждения по желаемым показателям</source>
            <translation>Turn on and set up warnings for the gauges you want</translation>
        </message>
        <message>
            <source>Показатели от ECU: %1</source>
            <translation>Gauges from the ECU: %1</translation>
        </message>
        <message>
            <source>Показатель "%1</source>
            <translation>Gauge "%1</translation>
        </message>
        <message>
            <source>" сейчас получает данные: %1</source>
            <translation>" now gets its data from: %1</translation>
        </message>
        <message>
            <source>

Брать его от ECU?</source>
            <translation>

Take it from the ECU?</translation>
        </message>
        <message>
            <source>Нет активных показателей с предупреждениями</source>
            <translation>No active gauges with warnings</translation>
        </message>
        <message>
            <source>Выбранный протокол ECU не передает ни одного показателя</source>
            <translation>The chosen ECU protocol sends no gauges</translation>
        </message>
        <message>
            <source>предупреждение</source>
            <translation>warning</translation>
        </message>
        <message>
            <source>от ECU</source>
            <translation>from ECU</translation>
        </message>
        <message>
            <source>Здесь только активные показатели с предупреждениями: показатель становится активным, когда для него выбран источник данных.</source>
            <translation>Only active gauges with warnings are listed here: a gauge becomes active once a data source is chosen for it.</translation>
        </message>
    </context>
    <context>
        <name>SensorsHint</name>
        <message>
            <source>Показатели от ECU</source>
            <translation>Gauges from the ECU</translation>
        </message>
        <message>
            <source>Источники показателей</source>
            <translation>Gauge sources</translation>
        </message>
    </context>
    <context>
        <name>SettingsDiffList</name>
        <message>
            <source>Отличия настроек</source>
            <translation>Settings differences</translation>
        </message>
        <message>
            <source>ПАРАМЕТР</source>
            <translation>SETTING</translation>
        </message>
    </context>
    <context>
        <name>SettingsFieldLabels</name>
        <message>
            <source>Ячейка экрана</source>
            <translation>Screen cell</translation>
        </message>
        <message>
            <source>Скин</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Can 1 Скорость</source>
            <translation>CAN 1 speed</translation>
        </message>
        <message>
            <source>Протокол ECU</source>
            <translation>ECU protocol</translation>
        </message>
        <message>
            <source>Язык</source>
            <translation>Dash language</translation>
        </message>
        <message>
            <source>Настройки экрана</source>
            <translation>Screen settings</translation>
        </message>
        <message>
            <source>Помпа: мин. заполнение</source>
            <translation>Water pump: min. duty</translation>
        </message>
        <message>
            <source>Помпа: целевая температура</source>
            <translation>Water pump: target temperature</translation>
        </message>
        <message>
            <source>Помпа: Kp</source>
            <translation>Water pump: Kp</translation>
        </message>
        <message>
            <source>Помпа: Ki</source>
            <translation>Water pump: Ki</translation>
        </message>
        <message>
            <source>Помпа: Kd</source>
            <translation>Water pump: Kd</translation>
        </message>
        <message>
            <source>Мин. яркость экрана</source>
            <translation>Min. screen brightness</translation>
        </message>
        <message>
            <source>Мин. яркость светодиодов</source>
            <translation>Min. LED brightness</translation>
        </message>
        <message>
            <source>Автояркость</source>
            <translation>Auto brightness</translation>
        </message>
        <message>
            <source>Чувствительность датчика света</source>
            <translation>Light sensor sensitivity</translation>
        </message>
        <message>
            <source>Анимация</source>
            <translation>Animation</translation>
        </message>
        <message>
            <source>Одометр А</source>
            <translation>Odometer A</translation>
        </message>
        <message>
            <source>Одометр B</source>
            <translation>Odometer B</translation>
        </message>
        <message>
            <source>Версия настроек</source>
            <translation>Settings version</translation>
        </message>
        <message>
            <source>Серийный номер Ardix</source>
            <translation>Ardix serial number</translation>
        </message>
        <message>
            <source>Серийный номер второго Ardix</source>
            <translation>Second Ardix serial number</translation>
        </message>
        <message>
            <source>Часовой пояс, с</source>
            <translation>Time zone, s</translation>
        </message>
        <message>
            <source>Доп. вход</source>
            <translation>Extra input</translation>
        </message>
        <message>
            <source>Коеффициент импульсного входа</source>
            <translation>Pulse input factor</translation>
        </message>
        <message>
            <source>Количество передач</source>
            <translation>Number of gears</translation>
        </message>
        <message>
            <source>Главная пара</source>
            <translation>Final drive</translation>
        </message>
        <message>
            <source>Длина окружности колеса</source>
            <translation>Wheel circumference</translation>
        </message>
        <message>
            <source>Передаточное число</source>
            <translation>Gear ratio</translation>
        </message>
        <message>
            <source>Цифровой вход</source>
            <translation>Digital input</translation>
        </message>
        <message>
            <source>Выход</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>Время усреднения уровня топлива</source>
            <translation>Fuel level averaging time</translation>
        </message>
        <message>
            <source>Подпись</source>
            <translation>Caption</translation>
        </message>
        <message>
            <source>Логин</source>
            <translation>Login</translation>
        </message>
        <message>
            <source>Пароль</source>
            <translation>Password</translation>
        </message>
        <message>
            <source>Давление топлива относительно наддува</source>
            <translation>Fuel pressure relative to boost</translation>
        </message>
        <message>
            <source>Стехиометрия</source>
            <translation>Stoichiometric</translation>
        </message>
        <message>
            <source>Модуль входов: вход</source>
            <translation>Input module: input</translation>
        </message>
        <message>
            <source>Мин. давление масла, диапазон</source>
            <translation>Min. oil pressure, range</translation>
        </message>
        <message>
            <source>Модуль выходов: выход</source>
            <translation>Output module: output</translation>
        </message>
        <message>
            <source>Модуль EGT: датчиков</source>
            <translation>EGT module: sensors</translation>
        </message>
        <message>
            <source>Имя устройства</source>
            <translation>Device name</translation>
        </message>
        <message>
            <source>Серийный номер PDM</source>
            <translation>PDM serial number</translation>
        </message>
        <message>
            <source>частота</source>
            <translation>rate</translation>
        </message>
        <message>
            <source>макс. кол-во файлов</source>
            <translation>max. number of files</translation>
        </message>
        <message>
            <source>макс. размер файла</source>
            <translation>max. file size</translation>
        </message>
        <message>
            <source>пауза выкл.</source>
            <translation>stop delay</translation>
        </message>
        <message>
            <source>Триггер 1</source>
            <translation>Trigger 1</translation>
        </message>
        <message>
            <source>Триггер 2</source>
            <translation>Trigger 2</translation>
        </message>
        <message>
            <source>Триггер 1: значение</source>
            <translation>Trigger 1: value</translation>
        </message>
        <message>
            <source>Триггер 2: значение</source>
            <translation>Trigger 2: value</translation>
        </message>
        <message>
            <source>Записываемые показатели</source>
            <translation>Logged gauges</translation>
        </message>
        <message>
            <source>Записываемые свои показатели</source>
            <translation>Logged custom gauges</translation>
        </message>
        <message>
            <source>Записываемые модули</source>
            <translation>Logged modules</translation>
        </message>
        <message>
            <source>Разгон</source>
            <translation>Acceleration</translation>
        </message>
        <message>
            <source>Дистанция</source>
            <translation>Distance</translation>
        </message>
        <message>
            <source>Торможение</source>
            <translation>Braking</translation>
        </message>
        <message>
            <source>Калибровка акселерометра X</source>
            <translation>Accelerometer calibration X</translation>
        </message>
        <message>
            <source>Калибровка акселерометра Y</source>
            <translation>Accelerometer calibration Y</translation>
        </message>
        <message>
            <source>Калибровка акселерометра Z</source>
            <translation>Accelerometer calibration Z</translation>
        </message>
        <message>
            <source>Стартовая линия: широта</source>
            <translation>Start line: latitude</translation>
        </message>
        <message>
            <source>Стартовая линия: долгота</source>
            <translation>Start line: longitude</translation>
        </message>
        <message>
            <source>Стартовая линия: курс</source>
            <translation>Start line: heading</translation>
        </message>
        <message>
            <source>Номер показателя</source>
            <translation>Gauge number</translation>
        </message>
        <message>
            <source>Тип</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Название</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Тарировка</source>
            <translation>Calibration table</translation>
        </message>
        <message>
            <source>Источник</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Вход</source>
            <translation>Input</translation>
        </message>
        <message>
            <source>Единицы</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Предупреждение заранее</source>
            <translation>Early warning</translation>
        </message>
        <message>
            <source>Порог предупреждения (макс.)</source>
            <translation>Warning threshold (max.)</translation>
        </message>
        <message>
            <source>Порог предупреждения (мин.)</source>
            <translation>Warning threshold (min.)</translation>
        </message>
        <message>
            <source>Максимум шкалы</source>
            <translation>Scale maximum</translation>
        </message>
        <message>
            <source>Минимум шкалы</source>
            <translation>Scale minimum</translation>
        </message>
        <message>
            <source>Без предупреждений после пуска</source>
            <translation>No warnings after start-up</translation>
        </message>
        <message>
            <source>Автоотключение предупреждения</source>
            <translation>Warning auto-off</translation>
        </message>
        <message>
            <source>Точек в таблице</source>
            <translation>Table points</translation>
        </message>
        <message>
            <source>Допуск</source>
            <translation>Tolerance</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Point</translation>
        </message>
        <message>
            <source>Тип канала</source>
            <translation>Channel type</translation>
        </message>
        <message>
            <source>Канал</source>
            <translation>Channel</translation>
        </message>
        <message>
            <source>Инвертированный</source>
            <translation>Inverted</translation>
        </message>
        <message>
            <source>Подтяжка</source>
            <translation>Pull-up</translation>
        </message>
        <message>
            <source>Флаги</source>
            <translation>Flags</translation>
        </message>
        <message>
            <source>Расширенный ID</source>
            <translation>Extended ID</translation>
        </message>
        <message>
            <source>Включено</source>
            <translation>Enabled</translation>
        </message>
        <message>
            <source>Включен</source>
            <translation>Enabled</translation>
        </message>
        <message>
            <source>Период, мс</source>
            <translation>Period, ms</translation>
        </message>
        <message>
            <source>Таймаут, мс</source>
            <translation>Timeout, ms</translation>
        </message>
        <message>
            <source>Байт</source>
            <translation>Byte</translation>
        </message>
        <message>
            <source>Бит</source>
            <translation>Bit</translation>
        </message>
        <message>
            <source>Маска</source>
            <translation>Mask</translation>
        </message>
        <message>
            <source>Множитель</source>
            <translation>Multiplier</translation>
        </message>
        <message>
            <source>Делитель</source>
            <translation>Divider</translation>
        </message>
        <message>
            <source>Оффсет</source>
            <translation>Offset</translation>
        </message>
        <message>
            <source>Значение при таймауте</source>
            <translation>Timeout value</translation>
        </message>
        <message>
            <source>Установить значение при таймауте</source>
            <translation>Set value on timeout</translation>
        </message>
        <message>
            <source>По маске</source>
            <translation>By mask</translation>
        </message>
        <message>
            <source>Старший байт первый</source>
            <translation>High byte first</translation>
        </message>
        <message>
            <source>Со знаком</source>
            <translation>Signed</translation>
        </message>
        <message>
            <source>16 бит</source>
            <translation>16 bit</translation>
        </message>
        <message>
            <source>Сообщение</source>
            <translation>Message</translation>
        </message>
        <message>
            <source>Показатель</source>
            <translation>Gauge</translation>
        </message>
        <message>
            <source>Длина пакета</source>
            <translation>Message length</translation>
        </message>
        <message>
            <source>Данные</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Позиция ID в пакете</source>
            <translation>ID position in message</translation>
        </message>
        <message>
            <source>Пакет задан</source>
            <translation>Frame set</translation>
        </message>
        <message>
            <source>Размер данных</source>
            <translation>Data size</translation>
        </message>
        <message>
            <source>Постоянные данные</source>
            <translation>Constant data</translation>
        </message>
        <message>
            <source>Сброс при таймауте</source>
            <translation>Clear on timeout</translation>
        </message>
        <message>
            <source>Установка при таймауте</source>
            <translation>Set on timeout</translation>
        </message>
        <message>
            <source>Маска идентификаторов</source>
            <translation>Identifier mask</translation>
        </message>
        <message>
            <source>Модель кейпада</source>
            <translation>Keypad model</translation>
        </message>
        <message>
            <source>Кейпад ID</source>
            <translation>Keypad ID</translation>
        </message>
        <message>
            <source>Флаги кейпада</source>
            <translation>Keypad flags</translation>
        </message>
        <message>
            <source>Яркость</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Красный</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Зеленый</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Синий</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Кнопка</source>
            <translation>Button</translation>
        </message>
        <message>
            <source>Условие</source>
            <translation>Condition</translation>
        </message>
        <message>
            <source>Задержка включения</source>
            <translation>On delay</translation>
        </message>
        <message>
            <source>Задержка выключения</source>
            <translation>Off delay</translation>
        </message>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Минимум</source>
            <translation>Minimum</translation>
        </message>
        <message>
            <source>Максимум</source>
            <translation>Maximum</translation>
        </message>
        <message>
            <source>Доп. тип канала</source>
            <translation>Extra channel type</translation>
        </message>
        <message>
            <source>Доп. канал</source>
            <translation>Extra channel</translation>
        </message>
        <message>
            <source>Доп. значение</source>
            <translation>Extra value</translation>
        </message>
        <message>
            <source>Связка условий</source>
            <translation>Condition logic</translation>
        </message>
        <message>
            <source>Условий</source>
            <translation>Conditions</translation>
        </message>
        <message>
            <source>Макс. ток</source>
            <translation>Max. current</translation>
        </message>
        <message>
            <source>Мин. ток</source>
            <translation>Min. current</translation>
        </message>
        <message>
            <source>Макс. пусковой ток</source>
            <translation>Max. inrush current</translation>
        </message>
        <message>
            <source>Время пускового тока</source>
            <translation>Inrush time</translation>
        </message>
        <message>
            <source>Попыток перезапуска</source>
            <translation>Restart attempts</translation>
        </message>
        <message>
            <source>Пауза перед перезапуском</source>
            <translation>Pause before restart</translation>
        </message>
        <message>
            <source>Мин. заполнение ШИМ</source>
            <translation>Min. PWM duty</translation>
        </message>
        <message>
            <source>Частота ШИМ</source>
            <translation>PWM frequency</translation>
        </message>
        <message>
            <source>Скорость CAN</source>
            <translation>CAN speed</translation>
        </message>
        <message>
            <source>Название входа</source>
            <translation>Input name</translation>
        </message>
        <message>
            <source>Главный выключатель</source>
            <translation>Master switch</translation>
        </message>
        <message>
            <source>Сброс аварий</source>
            <translation>Fault reset</translation>
        </message>
        <message>
            <source>Сон PDM</source>
            <translation>PDM sleep</translation>
        </message>
        <message>
            <source>Флаги PDM</source>
            <translation>PDM flags</translation>
        </message>
        <message>
            <source>Тестовые настройки</source>
            <translation>Test settings</translation>
        </message>
        <message>
            <source>Защита паролем</source>
            <translation>Password protection</translation>
        </message>
        <message>
            <source>ШИМ: условие</source>
            <translation>PWM: condition</translation>
        </message>
        <message>
            <source>ШИМ: активные условия</source>
            <translation>PWM: active conditions</translation>
        </message>
        <message>
            <source>Красный: активные условия</source>
            <translation>Red: active conditions</translation>
        </message>
        <message>
            <source>Зеленый: активные условия</source>
            <translation>Green: active conditions</translation>
        </message>
        <message>
            <source>Синий: активные условия</source>
            <translation>Blue: active conditions</translation>
        </message>
        <message>
            <source>Красный: условие</source>
            <translation>Red: condition</translation>
        </message>
        <message>
            <source>Зеленый: условие</source>
            <translation>Green: condition</translation>
        </message>
        <message>
            <source>Синий: условие</source>
            <translation>Blue: condition</translation>
        </message>
        <message>
            <source>Переопределение состояния: тип канала</source>
            <translation>State override: channel type</translation>
        </message>
        <message>
            <source>Позиция в списке</source>
            <translation>Position in list</translation>
        </message>
        <message>
            <source>Включенные режимы</source>
            <translation>Enabled modes</translation>
        </message>
    </context>
    <context>
        <name>SettingsFileDialog</name>
        <message>
            <source>Выберите файл</source>
            <translation>Choose a file</translation>
        </message>
        <message>
            <source>Укажите куда сохранить файл</source>
            <translation>Choose where to save the file</translation>
        </message>
    </context>
    <context>
        <name>SettingsFilePreviewDialog</name>
        <message>
            <source>Загрузка настроек из файла</source>
            <translation>Load settings from file</translation>
        </message>
        <message>
            <source>Файл не меняет ни одного параметра текущих настроек </source>
            <translation>The file changes no current setting </translation>
        </message>
        <message>
            <source>Файл меняет %1</source>
            <translation>The file changes %1</translation>
        </message>
        <message>
            <source> настроек </source>
            <translation> </translation>
        </message>
        <message>
            <source> После загрузки они будут записаны в устройство.</source>
            <translation> They will be written to the device after loading.</translation>
        </message>
        <message>
            <source>сейчас</source>
            <translation>now</translation>
        </message>
        <message>
            <source>в файле</source>
            <translation>in file</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Загрузить</source>
            <translation>Load</translation>
        </message>
    </context>
    <context>
        <name>SettingsHistoryDialog</name>
        <message>
            <source>История настроек</source>
            <translation>Settings history</translation>
        </message>
        <message>
            <source>Восстановить настройки?</source>
            <translation>Restore settings?</translation>
        </message>
        <message>
            <source>Текущие настройки будут заменены версией от %1</source>
            <translation>The current settings will be replaced by the version of %1</translation>
        </message>
        <message>
            <source> и записаны в устройство.</source>
            <translation> and written to the device.</translation>
        </message>
        <message>
            <source>Восстановить</source>
            <translation>Restore</translation>
        </message>
        <message>
            <source>Сохранённых версий настроек этого устройства пока нет.
Они появляются, когда настройки читаются с устройства, записываются в него или загружаются из файла.</source>
            <translation>No saved versions of this device's settings yet.
They appear when settings are read from the device, written to it or loaded from a file.</translation>
        </message>
        <message>
            <source>совпадает с текущими</source>
            <translation>same as current</translation>
        </message>
        <message>
            <source>в этой версии</source>
            <translation>in this version</translation>
        </message>
        <message>
            <source>сейчас</source>
            <translation>now</translation>
        </message>
    </context>
    <context>
        <name>SettingsHistoryModel</name>
        <message>
            <source>прочитано с устройства</source>
            <translation>read from device</translation>
        </message>
        <message>
            <source>записано в устройство</source>
            <translation>written to device</translation>
        </message>
        <message>
            <source>загружено из файла</source>
            <translation>loaded from file</translation>
        </message>
    </context>
    <context>
        <name>SkinModeSettingsDialog</name>
        <message>
            <source>Режим %1</source>
            <translation>Mode %1</translation>
        </message>
        <message>
            <source>сделать не активным</source>
            <translation>make inactive</translation>
        </message>
        <message>
            <source>сделать активным</source>
            <translation>make active</translation>
        </message>
        <message>
            <source>этот режим активный при включении</source>
            <translation>this mode is active at power-up</translation>
        </message>
        <message>
            <source>сделать по умолчанию</source>
            <translation>make default</translation>
        </message>
    </context>
    <context>
        <name>SpeedGpsCalibrationDialog</name>
        <message>
            <source>Калибровка по GPS</source>
            <translation>GPS calibration</translation>
        </message>
        <message>
            <source>Нужно быть подключенным к Ardix</source>
            <translation>Connect to the Ardix first</translation>
        </message>
        <message>
            <source>Импульсный вход #%1</source>
            <translation>Pulse input #%1</translation>
        </message>
        <message>
            <source>: двигайтесь с постоянной скоростью и нажмите "Калибровать"</source>
            <translation>: drive at a steady speed and press "Calibrate"</translation>
        </message>
        <message>
            <source>Скорость по GPS, км/ч:</source>
            <translation>GPS speed, km/h:</translation>
        </message>
        <message>
            <source>Скорость по GPS</source>
            <translation>GPS speed</translation>
        </message>
        <message>
            <source>км/ч</source>
            <translation>km/h</translation>
        </message>
        <message>
            <source>Коеффициент: %1</source>
            <translation>Factor: %1</translation>
        </message>
        <message>
            <source>Калибровать</source>
            <translation>Calibrate</translation>
        </message>
    </context>
    <context>
        <name>SyncDialog</name>
        <message>
            <source>На PMX установлен пароль

- Если пароль вам известен,
скачайте настройки с устройста для синхронизации
и дальнейшей настройки.

- Если пароль не известен, вы можете выполнить сброс настроек
сначала экспортируйте резервную копию ваших настроек в файл,
подключитесь к устройству и выполните сброс настроек,

после чего парольная защита будет снята и вы сможете загружать любой файл настроек</source>
            <translation>The PMX is password protected

- If you know the password,
download the settings from the device to sync
and go on setting it up.

- If you do not know the password, you can reset the settings:
first export a backup of your settings to a file,
connect to the device and reset its settings,

then the password protection is removed and you can load any settings file</translation>
        </message>
        <message>
            <source>Синхронизация 
 какие настройки вы бы хотели использовать?
 ранее сохраненные в устройстве, либо применить текущие с %1</source>
            <translation>Sync 
 which settings do you want to use?
 the ones stored in the device, or the current ones from this %1</translation>
        </message>
        <message>
            <source>мобильного устройства</source>
            <translation>mobile device</translation>
        </message>
        <message>
            <source>компьютера</source>
            <translation>computer</translation>
        </message>
        <message>
            <source>На PMX установлен пароль</source>
            <translation>The PMX is password protected</translation>
        </message>
        <message>
            <source>Синхронизация</source>
            <translation>Sync</translation>
        </message>
        <message>
            <source>Вы уверены?</source>
            <translation>Are you sure?</translation>
        </message>
        <message>
            <source>Ваши настройки на устройстве %1</source>
            <translation>Your settings on the device %1</translation>
        </message>
        <message>
            <source> будут удалены и применены %1</source>
            <translation> will be erased and replaced by %1</translation>
        </message>
        <message>
            <source>заводские</source>
            <translation>factory defaults</translation>
        </message>
        <message>
            <source>новые с </source>
            <translation>new ones from </translation>
        </message>
        <message>
            <source>вашего телефона</source>
            <translation>your phone</translation>
        </message>
        <message>
            <source>вашего компьютера</source>
            <translation>your computer</translation>
        </message>
        <message>
            <source>Да</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>Этот клиент ещё не обменивался настройками с этим устройством: какие поля отличаются, станет видно после скачивания.</source>
            <translation>This client has not exchanged settings with this device yet: the differing fields show after a download.</translation>
        </message>
        <message>
            <source>С последнего обмена настройками с устройством (%1</source>
            <translation>Since the last settings exchange with the device (%1</translation>
        </message>
        <message>
            <source>) в этом клиенте ничего не менялось; что изменено на устройстве, станет видно после скачивания.</source>
            <translation>) nothing changed in this client; what changed on the device shows after a download.</translation>
        </message>
        <message>
            <source>) в этом клиенте изменено: %1</source>
            <translation>) changed in this client: %1</translation>
        </message>
        <message>
            <source>на устройстве</source>
            <translation>on the device</translation>
        </message>
        <message>
            <source>в этом клиенте</source>
            <translation>in this client</translation>
        </message>
        <message>
            <source>телефон</source>
            <translation>phone</translation>
        </message>
        <message>
            <source>компьютер</source>
            <translation>computer</translation>
        </message>
        <message>
            <source>Сбросить настройки 
к стандартным</source>
            <translation>Reset settings 
to defaults</translation>
        </message>
        <message>
            <source>СТЕРЕТЬ НАСТРОЙКИ 
и применить новые</source>
            <translation>ERASE SETTINGS 
and apply new ones</translation>
        </message>
        <message>
            <source>скачать с устройства</source>
            <translation>download from device</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>TextSettingField</name>
        <message>
            <source>не пустое, </source>
            <translation>not empty, </translation>
        </message>
        <message>
            <source>без имени</source>
            <translation>no name</translation>
        </message>
    </context>
    <context>
        <name>ThresholdBox</name>
        <message>
            <source>: уменьшить</source>
            <translation>: decrease</translation>
        </message>
        <message>
            <source>: увеличить</source>
            <translation>: increase</translation>
        </message>
    </context>
    <context>
        <name>TrackMap</name>
        <message>
            <source>Карта трассы</source>
            <translation>Track map</translation>
        </message>
        <message>
            <source>нет данных GPS</source>
            <translation>no GPS data</translation>
        </message>
    </context>
    <context>
        <name>TripConfigDialog</name>
        <message>
            <source>Одометр</source>
            <translation>Odometer</translation>
        </message>
        <message>
            <source> км</source>
            <translation> km</translation>
        </message>
        <message>
            <source>Сбросить</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Одометр А</source>
            <translation>Odometer A</translation>
        </message>
        <message>
            <source>Одометр B</source>
            <translation>Odometer B</translation>
        </message>
        <message>
            <source>показывать одометр</source>
            <translation>show odometer</translation>
        </message>
    </context>
    <context>
        <name>UpdateDialog</name>
        <message>
            <source>Загружайте и устанавливайте обновления</source>
            <translation>Download and install updates</translation>
        </message>
        <message>
            <source>На установку обновления может понадобится несколько минут.

Во время установки не отключайте питание.

Вы уверены что хотите продолжить?</source>
            <translation>Installing an update may take a few minutes.

Do not switch the power off while installing.

Do you want to continue?</translation>
        </message>
        <message>
            <source>Для установки обновления, подключитесь к устройству
используя WiFi</source>
            <translation>To install the update, connect to the device
over WiFi</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Установить</source>
            <translation>Install</translation>
        </message>
        <message>
            <source>Текущая версия</source>
            <translation>Current version</translation>
        </message>
        <message>
            <source>Устройство</source>
            <translation>Device</translation>
        </message>
        <message>
            <source>Загружено</source>
            <translation>Downloaded</translation>
        </message>
        <message>
            <source>Загрузить</source>
            <translation>Load</translation>
        </message>
        <message>
            <source>Установлено</source>
            <translation>Installed</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Нет файлов прошивки для этого устройства</source>
            <translation>No firmware files for this device</translation>
        </message>
        <message>
            <source>Отменить загрузку</source>
            <translation>Cancel download</translation>
        </message>
    </context>
    <context>
        <name>UpdateRows</name>
        <message>
            <source>Стабильная</source>
            <translation>Stable</translation>
        </message>
        <message>
            <source>Бета</source>
            <translation>Beta</translation>
        </message>
        <message>
            <source>Персональная</source>
            <translation>Personal</translation>
        </message>
        <message>
            <source>Тестовая</source>
            <translation>Test</translation>
        </message>
        <message>
            <source>более ранняя версия</source>
            <translation>older version</translation>
        </message>
        <message>
            <source>Мб</source>
            <translation>MB</translation>
        </message>
        <message>
            <source>Кб</source>
            <translation>kB</translation>
        </message>
        <message>
            <source>Версия %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source> от %1</source>
            <translation> of %1</translation>
        </message>
        <message>
            <source> старее установленной %1</source>
            <translation> older than installed %1</translation>
        </message>
        <message>
            <source>.

Установка вернёт устройство к более ранней версии.

%1</source>
            <translation>.

Installing will take the device back to an older version.

%1</translation>
        </message>
    </context>
    <context>
        <name>UserCustomSensorDialog</name>
        <message>
            <source>добавить свои показатели и настроить их</source>
            <translation>add your own gauges and set them up</translation>
        </message>
        <message>
            <source>нет</source>
            <translation>none</translation>
        </message>
        <message>
            <source>Показатель %1</source>
            <translation>Gauge %1</translation>
        </message>
        <message>
            <source>Удалить показатель «%1</source>
            <translation>Delete gauge «%1</translation>
        </message>
        <message>
            <source>Удалить</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Добавить показатель</source>
            <translation>Add gauge</translation>
        </message>
        <message>
            <source>занято %1</source>
            <translation>used %1</translation>
        </message>
        <message>
            <source> из %1</source>
            <translation> of %1</translation>
        </message>
        <message>
            <source>.  Источник данных показателя задается в «Настройка данных всех показателей»</source>
            <translation>.  A gauge's data source is set in "Data setup for all gauges"</translation>
        </message>
        <message>
            <source>Название</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Тип</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Единицы</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Источник</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Название показателя %1</source>
            <translation>Gauge name %1</translation>
        </message>
        <message>
            <source>: тип</source>
            <translation>: type</translation>
        </message>
        <message>
            <source>: единицы</source>
            <translation>: units</translation>
        </message>
        <message>
            <source>Удалить %1</source>
            <translation>Delete %1</translation>
        </message>
        <message>
            <source>Своих показателей пока нет.
Нажмите «Добавить показатель»</source>
            <translation>No custom gauges yet.
Press "Add gauge"</translation>
        </message>
    </context>
    <context>
        <name>Vocabularies</name>
        <message>
            <source>нет(или другое..)</source>
            <translation>none (or other..)</translation>
        </message>
        <message>
            <source>Давление(Относительное)</source>
            <translation>Pressure (gauge)</translation>
        </message>
        <message>
            <source>Давление(Абсолютное)</source>
            <translation>Pressure (absolute)</translation>
        </message>
        <message>
            <source>Температура жидкости с подтяжкой к 5В</source>
            <translation>Fluid temperature, 5V pull-up</translation>
        </message>
        <message>
            <source>Температура жидкости</source>
            <translation>Fluid temperature</translation>
        </message>
        <message>
            <source>Топливо воздушная смесь 0-5В</source>
            <translation>Air-fuel ratio 0-5V</translation>
        </message>
        <message>
            <source>Температура выхлопа 0-5В</source>
            <translation>Exhaust temperature 0-5V</translation>
        </message>
        <message>
            <source>Температура воздуха с подтяжкой к 5В</source>
            <translation>Air temperature, 5V pull-up</translation>
        </message>
        <message>
            <source>Температура воздуха</source>
            <translation>Air temperature</translation>
        </message>
        <message>
            <source>Датчик положения 5В</source>
            <translation>Position sensor 5V</translation>
        </message>
        <message>
            <source>Датчик положения с подтяжкой</source>
            <translation>Position sensor with pull-up</translation>
        </message>
        <message>
            <source>Высокое давление 5В</source>
            <translation>High pressure 5V</translation>
        </message>
        <message>
            <source>нет(или другое)</source>
            <translation>none (or other)</translation>
        </message>
        <message>
            <source>Аналоговый вход</source>
            <translation>Analog input</translation>
        </message>
        <message>
            <source>Вход для импульсных датчиков</source>
            <translation>Pulse sensor input</translation>
        </message>
        <message>
            <source>Вход/Выход общего назначения</source>
            <translation>General purpose input/output</translation>
        </message>
        <message>
            <source>GPS модуль</source>
            <translation>GPS module</translation>
        </message>
        <message>
            <source>(расчет из скорости и оборотов)</source>
            <translation>(calculated from speed and RPM)</translation>
        </message>
        <message>
            <source>Встроенный</source>
            <translation>Built-in</translation>
        </message>
        <message>
            <source>EGT -&gt; CAN модуль</source>
            <translation>EGT -&gt; CAN module</translation>
        </message>
        <message>
            <source>Неисправность ABS</source>
            <translation>ABS fault</translation>
        </message>
        <message>
            <source>Левый поворотник</source>
            <translation>Left indicator</translation>
        </message>
        <message>
            <source>Правый поворотник</source>
            <translation>Right indicator</translation>
        </message>
        <message>
            <source>Габаритные огни/Ближний свет</source>
            <translation>Side lights/Low beam</translation>
        </message>
        <message>
            <source>Дальний свет</source>
            <translation>High beam</translation>
        </message>
        <message>
            <source>Неисправность двигателя</source>
            <translation>Engine fault</translation>
        </message>
        <message>
            <source>Индикатор передней блокировки дифф.</source>
            <translation>Front diff lock indicator</translation>
        </message>
        <message>
            <source>Индикатор меж-осевой блокировки дифф.</source>
            <translation>Centre diff lock indicator</translation>
        </message>
        <message>
            <source>Индикатор полного привода</source>
            <translation>AWD indicator</translation>
        </message>
        <message>
            <source>Индикатор задней блокировки дифф.</source>
            <translation>Rear diff lock indicator</translation>
        </message>
        <message>
            <source>Неисправность полного привода</source>
            <translation>AWD fault</translation>
        </message>
        <message>
            <source>Неисправность тормозной системы</source>
            <translation>Brake system fault</translation>
        </message>
        <message>
            <source>Открыта дверь</source>
            <translation>Door open</translation>
        </message>
        <message>
            <source>Низкое давление масла</source>
            <translation>Low oil pressure</translation>
        </message>
        <message>
            <source>User 1 (без иконки)</source>
            <translation>User 1 (no icon)</translation>
        </message>
        <message>
            <source>User 2 (без иконки)</source>
            <translation>User 2 (no icon)</translation>
        </message>
        <message>
            <source>User 3 (без иконки)</source>
            <translation>User 3 (no icon)</translation>
        </message>
        <message>
            <source>User 4 (без иконки)</source>
            <translation>User 4 (no icon)</translation>
        </message>
        <message>
            <source>User 5 (без иконки)</source>
            <translation>User 5 (no icon)</translation>
        </message>
        <message>
            <source>User 6 (без иконки)</source>
            <translation>User 6 (no icon)</translation>
        </message>
        <message>
            <source>User 7 (без иконки)</source>
            <translation>User 7 (no icon)</translation>
        </message>
        <message>
            <source>Передача: Нейтраль</source>
            <translation>Gear: Neutral</translation>
        </message>
        <message>
            <source>Передача: Задний ход</source>
            <translation>Gear: Reverse</translation>
        </message>
        <message>
            <source>Передача: Парковка</source>
            <translation>Gear: Park</translation>
        </message>
        <message>
            <source>Передача: Drive</source>
            <translation>Gear: Drive</translation>
        </message>
        <message>
            <source>Передача: Ручной режим</source>
            <translation>Gear: Manual mode</translation>
        </message>
        <message>
            <source>Передача: 1</source>
            <translation>Gear: 1</translation>
        </message>
        <message>
            <source>Передача: 2</source>
            <translation>Gear: 2</translation>
        </message>
        <message>
            <source>Передача: 3</source>
            <translation>Gear: 3</translation>
        </message>
        <message>
            <source>Передача: 4</source>
            <translation>Gear: 4</translation>
        </message>
        <message>
            <source>Передача: 5</source>
            <translation>Gear: 5</translation>
        </message>
        <message>
            <source>Передача: 6</source>
            <translation>Gear: 6</translation>
        </message>
        <message>
            <source>Передача: 7</source>
            <translation>Gear: 7</translation>
        </message>
        <message>
            <source>Передача: 8</source>
            <translation>Gear: 8</translation>
        </message>
        <message>
            <source>Не выбрано</source>
            <translation>Not selected</translation>
        </message>
        <message>
            <source>Абит</source>
            <translation>Abit</translation>
        </message>
    </context>
    <context>
        <name>WarningChecks</name>
        <message>
            <source>Предупреждать
подсветкой(Крас. лампы)</source>
            <translation>Warn with
backlight (red lamps)</translation>
        </message>
        <message>
            <source>СЕК</source>
            <translation>SEC</translation>
        </message>
        <message>
            <source>Предупреждать
сообщением на экране</source>
            <translation>Warn with
on-screen message</translation>
        </message>
        <message>
            <source>Предупреждение
на весь экран</source>
            <translation>Full-screen
warning</translation>
        </message>
        <message>
            <source>Автоматически скрывать
предупреждение через:</source>
            <translation>Hide the warning
automatically after:</translation>
        </message>
        <message>
            <source>Автоматически скрывать
предупреждение</source>
            <translation>Hide the warning
automatically</translation>
        </message>
        <message>
            <source>Задержка</source>
            <translation>Delay</translation>
        </message>
    </context>
    <context>
        <name>WarningDialog</name>
        <message>
            <source>Настройка предупреждения: %1</source>
            <translation>Warning setup: %1</translation>
        </message>
        <message>
            <source>Допустимая разница с наддувом</source>
            <translation>Allowed difference to boost</translation>
        </message>
        <message>
            <source>Если значение выше</source>
            <translation>If the value is above</translation>
        </message>
        <message>
            <source>Мин. наддув для старта(зел. лампы)</source>
            <translation>Min. boost for launch (green lamps)</translation>
        </message>
        <message>
            <source>Если значение ниже</source>
            <translation>If the value is below</translation>
        </message>
    </context>
    <context>
        <name>Wifi</name>
        <message>
            <source>Здесь можно изменить настройки Wifi</source>
            <translation>WiFi settings</translation>
        </message>
        <message>
            <source>Имя сети (1-14 знаков)</source>
            <translation>Network name (1-14 characters)</translation>
        </message>
        <message>
            <source>Имя сети</source>
            <translation>Network name</translation>
        </message>
        <message>
            <source>Пароль (8-10 знаков, без пробелов)</source>
            <translation>Password (8-10 characters, no spaces)</translation>
        </message>
        <message>
            <source>Пароль</source>
            <translation>Password</translation>
        </message>
        <message>
            <source>Сохранить</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Нет ответа от страницы устройства: подключитесь к его сети WIFI</source>
            <translation>No answer from the device's page: join its WiFi network</translation>
        </message>
    </context>
    <context>
        <name>WifiRules</name>
        <message>
            <source>Пароль должен быть 8-10 знаков
Пароль не должен содержать пробелы</source>
            <translation>The password must be 8-10 characters
The password must not contain spaces</translation>
        </message>
        <message>
            <source>Новые параметры сохранены
Теперь вы можете подключиться
 используя новое имя и пароль</source>
            <translation>New settings saved
You can now connect
 with the new name and password</translation>
        </message>
        <message>
            <source>Ошибка (%1</source>
            <translation>Error (%1</translation>
        </message>
    </context>
    <context>
        <name>WindowFunctions</name>
        <message>
            <source> -&gt; нет</source>
            <translation> -&gt; none</translation>
        </message>
        <message>
            <source>файлы настроек PMX (*.pmx)</source>
            <translation>PMX settings files (*.pmx)</translation>
        </message>
        <message>
            <source>файлы настроек Ardix 7 (*.ardix7)</source>
            <translation>Ardix 7 settings files (*.ardix7)</translation>
        </message>
        <message>
            <source>файлы логов Ardix (*.elog)</source>
            <translation>Ardix log files (*.elog)</translation>
        </message>
        <message>
            <source>файлы настроек Ardix (*.esl)</source>
            <translation>Ardix start line files (*.esl)</translation>
        </message>
        <message>
            <source>файлы настроек Ardix (*.erl)</source>
            <translation>Ardix reference lap files (*.erl)</translation>
        </message>
        <message>
            <source>файлы SVG (*.svg)</source>
            <translation>SVG files (*.svg)</translation>
        </message>
        <message>
            <source>Настройки %1</source>
            <translation>Settings %1</translation>
        </message>
        <message>
            <source> будут загружены из файла
 %1</source>
            <translation> will be loaded from the file
 %1</translation>
        </message>
        <message>
            <source>Координаты стартовой линии будут загружены из файла
 %1</source>
            <translation>Start line coordinates will be loaded from the file
 %1</translation>
        </message>
        <message>
            <source>Лучший круг будет загружен из файла
 %1</source>
            <translation>The best lap will be loaded from the file
 %1</translation>
        </message>
        <message>
            <source>Изображение будет загружено из файла
 %1</source>
            <translation>The image will be loaded from the file
 %1</translation>
        </message>
        <message>
            <source>Лог будет загружен из файла
 %1</source>
            <translation>The log will be loaded from the file
 %1</translation>
        </message>
        <message>
            <source>Загрузить файл %1</source>
            <translation>Load the file %1</translation>
        </message>
    </context>
    <context>
        <name>lightPwmDialog</name>
        <message>
            <source>Яркость</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Мин. яркость экрана</source>
            <translation>Min. screen brightness</translation>
        </message>
        <message>
            <source>Мин. яркость светодиодов</source>
            <translation>Min. LED brightness</translation>
        </message>
        <message>
            <source>Чувствительность датчика света</source>
            <translation>Light sensor sensitivity</translation>
        </message>
        <message>
            <source>Автонастройка</source>
            <translation>Auto setup</translation>
        </message>
        <message>
            <source>экран</source>
            <translation>screen</translation>
        </message>
        <message>
            <source>светодиоды</source>
            <translation>LEDs</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>Подключен %1</source>
            <translation>Connected %1</translation>
        </message>
        <message>
            <source>Оффлайн </source>
            <translation>Offline </translation>
        </message>
        <message>
            <source>Доступна новая версия данного приложения!
</source>
            <translation>A new version of this app is available!
</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>У вас есть не сохраненные изменения
Применить?</source>
            <translation>You have unsaved changes
Apply them?</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Нет, Удалить</source>
            <translation>No, discard</translation>
        </message>
        <message>
            <source>В текущей версии доступные частоты логирования
 изменены на 10, 25 или 50гц
Вам нужно изменить настройки логирования</source>
            <translation>This version logs at 10, 25 or 50 Hz only
Please change your logging settings</translation>
        </message>
        <message>
            <source>Введите имя файла</source>
            <translation>Enter a file name</translation>
        </message>
        <message>
            <source>Лимит доступного количества функций исчерпан, %1</source>
            <translation>Function limit reached, %1</translation>
        </message>
    </context>
    <context>
        <name>pmx_logo</name>
        <message>
            <source>Подключен</source>
            <translation>Connected</translation>
        </message>
        <message>
            <source>Нет связи</source>
            <translation>No link</translation>
        </message>
        <message>
            <source>серийный номер PDM: </source>
            <translation>PDM serial number: </translation>
        </message>
    </context>
</TS>
