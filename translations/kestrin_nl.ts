<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Interne fout: neem contact op met %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Venstermenu</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Zodra je met de les begint, zie je hier cijfers over hoe het gaat.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Het besturingssysteem heeft onvoldoende
geheugen of bronnen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Het opgegeven pad is niet gevonden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Het besturingssysteem heeft de toegang
tot het opgegeven bestand geweigerd.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Er was onvoldoende geheugen om de bewerking te voltooien.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Het .EXE-bestand is ongeldig
(geen Win32-.EXE of fout in het .EXE-bestand).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Er is een fout bij gedeelde toegang opgetreden.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>De standaardwebbrowser kon
het adres niet openen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat de aanvraag te lang duurde.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>De DDE-transactie is mislukt.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat er andere DDE-transacties
werden verwerkt.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Geen enkele webbrowser kon
het adres openen.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>De opgegeven DLL-bibliotheek is niet gevonden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Er is een onbekende fout (%1) opgetreden.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Kan de hyperlink niet openen:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>Wachten tot de les begint.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Oeps... De tekst die je kopieert, is veranderd. Dat is niet wat de les verwacht. Klik op de knop “Opnieuw”.</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Stap 1 en 2 zijn klaar! Goed gedaan!<byte value="xd"/>
<byte value="xd"/>
Je hebt de tekst geselecteerd zoals gevraagd. Ga nu verder met stap 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Oeps... Er klopt iets niet helemaal. Je had de tekst goed geselecteerd, maar het tekstvak is nu niet meer actief. Daardoor kun je er niet uit kopiëren. Begin opnieuw bij stap 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Oeps... De geselecteerde tekst klopt niet helemaal. Begin opnieuw bij stap 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Oeps... De selectie begint niet op de juiste plek. Begin opnieuw bij stap 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Je bent goed op weg. Blijf selecteren...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Stap 3 is klaar! Goed gedaan!<byte value="xd"/>
<byte value="xd"/>
Je hebt de tekst gekopieerd zoals gevraagd. Ga nu verder met stap 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Oeps! Er ging iets mis. Je moet de tekst opnieuw selecteren. Begin opnieuw bij stap 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Stap 4 is klaar! Goed gedaan!<byte value="xd"/>
<byte value="xd"/>
De tekstcursor staat in het juiste tekstvak. Ga nu verder met stap 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Oeps! Er ging iets mis. Je moet stap 4 nog afmaken.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Gefeliciteerd! Het is je gelukt!<byte value="xd"/>
<byte value="xd"/>
Je hebt tekst uit het ene vak gekopieerd en in het andere geplakt!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Hier is de tekst die je gaat selecteren in je les over knippen/kopiëren/plakken - stop hier</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Begin de les bij stap 1. Terwijl je de stappen doet, houdt dit vak bij hoe ver je bent. Kijk hier af en toe om te zien hoe het gaat.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Dubbelklikken	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Te langzaam	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Muis bewogen	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Enkele klikken	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Totaal	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Eerste klik... Klik nu snel nog een keer!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Helaas. Net niet snel genoeg.<byte value="xd"/>
<byte value="xd"/>
Probeer het nog eens, maar klik sneller.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Helaas. Je hebt de muis bewogen tussen de eerste en de tweede klik.<byte value="xd"/>
<byte value="xd"/>
Probeer het nog eens en houd de muis stil terwijl je dubbelklikt.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Gelukt!<byte value="xd"/>
<byte value="xd"/>
Je hebt goed gedubbelklikt!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Probeer het nog eens... Je moet twee keer klikken.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Probeer het nog eens... Je tweede klik was net niet snel genoeg.<byte value="xd"/>
<byte value="xd"/>
Denk eraan: klik sneller.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Probeer het nog eens...<byte value="xd"/>
<byte value="xd"/>
Denk eraan: houd de muis stil terwijl je dubbelklikt.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>Oefening baart kunst!<byte value="xd"/>
<byte value="xd"/>
Kijk eens hoe vaak je achter elkaar kunt dubbelklikken.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Klik en sleep mij</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Bronmap</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Nog een bestand</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Gewoon een map</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Nog een map</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Begin bij stap 1: zet de muisaanwijzer op het item “Klik en sleep mij” in de lijst.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Prima!<byte value="xd"/>
<byte value="xd"/>
Stap 1 is gelukt. De muisaanwijzer staat op het juiste item! Ga verder met stap 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Prima!<byte value="xd"/>
<byte value="xd"/>
Stap 2 is gelukt. Je hebt op het juiste item geklikt! Ga verder met stap 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Oeps... Je hebt op het juiste item geklikt, maar je moet de muisknop ingedrukt houden om stap 2 af te maken. Probeer het nog eens.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Super!<byte value="xd"/>
<byte value="xd"/>
Stap 3 is gelukt. Je bent het item aan het slepen! Blijf slepen tot de muisaanwijzer op “Doelmap” staat.</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Oeps!<byte value="xd"/>
<byte value="xd"/>
Je sleept het verkeerde item. Klik op de knop “Opnieuw”.</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Gefeliciteerd! Het is gelukt!<byte value="xd"/>
<byte value="xd"/>
Wil je het nog een keer proberen? Klik dan op de knop “Opnieuw”.</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Helaas. Je hebt het item niet op de juiste plek neergezet. Klik op de knop “Opnieuw” om het nog eens te proberen.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Klik op de knop “Opnieuw” om de les nog een keer te doen.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>&amp;Over Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>Over Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin versie 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Vellumark Kestrin</source>
        <translation>Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Copy and Paste Tutorial</source>
        <translation>Les: kopiëren en plakken</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Les: slepen en neerzetten</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Les: dubbelklikken</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Vellumark-banner</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Meer hulp nodig? Ga naar onze website:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Lessen</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Les: kopiëren en plakken</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Stap 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Zet de muisaanwijzer net links van de hoofdletter “H” in het vak hieronder (gemarkeerd met “#1”). Druk dan op de linkermuisknop en houd die ingedrukt.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Stap 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Houd de knop ingedrukt en sleep de muis naar rechts en omlaag tot de muisaanwijzer net voorbij de kleine letter “r” van “stop hier” staat (gemarkeerd met “#2”). Laat dan los. Dit heet “Tekst selecteren”.</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Stap 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Houd de toets “Ctrl” ingedrukt, druk één keer op de toets “c” en laat dan beide los. Dit heet “Tekst kopiëren”.</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Stap 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Klik één keer in het onderste vak. Daar staat dan de tekstcursor (het knipperende streepje).</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Stap 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Houd de toets “Ctrl” ingedrukt, druk één keer op de toets “v” en laat dan beide los. Dit heet “Tekst plakken”.</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Oefentekst</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Markering #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Markering #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Vak om in te plakken</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Les: dubbelklikken</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Zet de muisaanwijzer op het rode vierkant hieronder.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Druk op de linkermuisknop en laat hem los. Doe dat daarna zo snel als je kunt nog een keer.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Belangrijke tips</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Klik twee keer snel achter elkaar en houd de muis stil tussen de twee klikken. Deze les meet allebei: hoe snel je klikt en of de muis bewoog.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Zie hoe het gaat</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Vink “Voordoen” aan om de langzaamste dubbelklik te zien die je computer nog goedkeurt. Vink het weer uit om te stoppen.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Vak om op te dubbelklikken</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Voordoen</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Muis, knop ingedrukt</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Muis, knop losgelaten</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Les: slepen en neerzetten</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Zet de muisaanwijzer op het item “Klik en sleep mij” in de lijst hieronder.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Druk op de linkermuisknop en houd die ingedrukt. Zo begin je met “slepen”.</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Houd de knop ingedrukt en beweeg de muis naar “Doelmap”. Kijk hoe een doorzichtig plaatje van het item met de muisaanwijzer meegaat.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Laat de knop los terwijl de muisaanwijzer op “Doelmap” staat. Dit heet “neerzetten”.</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Als je mag loslaten, kleurt de map onder de muisaanwijzer donkerblauw.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Oefenmappen</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Overzicht:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Voortgang van de les:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Voortgang van de les</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Les</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
</TS>
