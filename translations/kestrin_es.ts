<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Error interno: póngase en contacto con %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Cuando empiece el tutorial, este texto se sustituirá por estadísticas sobre su progreso.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o hay un error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>El navegador web predeterminado no ha podido
abrir la dirección.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE
porque se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Error en la transacción DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se pudo completar la transacción DDE
porque se estaban procesando otras
transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Ningún navegador web ha podido
abrir la dirección.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el hipervínculo:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>Esperando a que empiece el tutorial.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Vaya... El texto que se va a copiar ha cambiado. Esto no es lo que el tutorial espera. Haga clic en el botón «Reiniciar».</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>¡Pasos 1 y 2 completados! ¡Buen trabajo!<byte value="xd"/>
<byte value="xd"/>
¡Ha seleccionado el texto tal como se indicaba! Ahora pase al paso 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Vaya... Algo no está del todo bien. Antes había seleccionado bien el texto, pero ahora la ventana del texto no está activa y no podrá copiar de ella. Vuelva a empezar desde el paso 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Vaya... El texto seleccionado no es del todo correcto. Vuelva a empezar desde el paso 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Vaya... El texto seleccionado no empieza en el sitio correcto. Vuelva a empezar desde el paso 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Va por buen camino. Siga seleccionando...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>¡Paso 3 completado! ¡Buen trabajo!<byte value="xd"/>
<byte value="xd"/>
¡Ha copiado el texto tal como se indicaba! Ahora pase al paso 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>¡Vaya! Algo ha salido mal. Tiene que volver a seleccionar el texto. Vuelva a empezar desde el paso 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>¡Paso 4 completado! ¡Buen trabajo!<byte value="xd"/>
<byte value="xd"/>
¡Ha colocado el cursor de texto en el cuadro correcto! Ahora pase al paso 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>¡Vaya! Algo ha salido mal. Todavía tiene que completar el paso 4.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>¡Enhorabuena! ¡Lo ha conseguido!<byte value="xd"/>
<byte value="xd"/>
¡Ha copiado y pegado texto de una ventana a otra!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Este es el texto que va a seleccionar en su tutorial de cortar/copiar/pegar - deténgase aquí</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Empiece el tutorial por el paso 1. A medida que complete los pasos, esta zona irá mostrando su progreso. Vuelva a mirar aquí para ver cómo avanza.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Dobles clics	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Demasiado lentos	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Ratón movido	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Clics sencillos	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Total	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Primer clic... ¡Ahora haga clic otra vez, rápido!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Lo siento. No ha sido lo bastante rápido.<byte value="xd"/>
<byte value="xd"/>
Inténtelo de nuevo, pero haga clic más deprisa.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Lo siento. Ha movido el ratón entre el primer clic y el segundo.<byte value="xd"/>
<byte value="xd"/>
Inténtelo de nuevo, pero mantenga el ratón en la misma posición mientras hace doble clic.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>¡Lo ha conseguido!<byte value="xd"/>
<byte value="xd"/>
¡Ha hecho doble clic con el ratón correctamente!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Inténtelo de nuevo... Tiene que hacer clic dos veces.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Inténtelo de nuevo... Su segundo clic no fue lo bastante rápido.<byte value="xd"/>
<byte value="xd"/>
Recuerde hacer clic más deprisa.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Inténtelo de nuevo...<byte value="xd"/>
<byte value="xd"/>
Recuerde mantener el ratón en la misma posición mientras hace doble clic.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>¡La práctica hace al maestro!<byte value="xd"/>
<byte value="xd"/>
Vea cuántas veces seguidas consigue hacer doble clic.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Haga clic y arrástreme</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Otro archivo</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Una carpeta más</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Otra carpeta más</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Empiece por el paso 1: coloque el ratón sobre el elemento del árbol llamado «Haga clic y arrástreme».</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>¡Muy bien!<byte value="xd"/>
<byte value="xd"/>
Ha completado el paso 1. ¡El ratón está sobre el elemento correcto del árbol! Pase ahora al paso 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>¡Muy bien!<byte value="xd"/>
<byte value="xd"/>
Ha completado el paso 2. ¡Ha hecho clic en el elemento correcto del árbol! Continúe con el paso 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Vaya... Ha hecho clic en el elemento correcto del árbol, pero tiene que mantener pulsado el botón del ratón para completar el paso 2. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>¡Estupendo!<byte value="xd"/>
<byte value="xd"/>
Ha completado el paso 3. ¡Está arrastrando el elemento del árbol! Ahora siga arrastrando hasta que el puntero esté sobre «Carpeta de destino».</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>¡Vaya!<byte value="xd"/>
<byte value="xd"/>
Está arrastrando un elemento equivocado. Haga clic en el botón «Reiniciar».</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>¡Enhorabuena! ¡Lo ha conseguido!<byte value="xd"/>
<byte value="xd"/>
Si quiere intentarlo otra vez, haga clic en el botón «Reiniciar».</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Lo siento. No lo ha soltado sobre el elemento correcto del árbol. Haga clic en el botón «Reiniciar» para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Haga clic en el botón «Reiniciar» para empezar el tutorial de nuevo.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>&amp;Acerca de Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>Acerca de Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin versión 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Copiar y pegar</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Arrastrar y soltar</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Doble clic</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Banner de Vellumark</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>¿Necesita más ayuda? Visite nuestro sitio web:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriales</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Tutorial de copiar y pegar</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Paso 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Coloque el puntero del ratón justo a la izquierda de la «E» mayúscula del cuadro de abajo (marcada «#1»), pulse el botón izquierdo del ratón y manténgalo pulsado.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Paso 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Sin soltar el botón, arrastre el ratón hacia la derecha y hacia abajo hasta que el puntero quede justo después de la «í» final de «deténgase aquí» (marcada «#2»), y suelte. Esto se llama «Seleccionar texto».</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Paso 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Mantenga pulsada la tecla «Ctrl», pulse una vez la tecla «c» y suelte las dos. Esto se llama «Copiar texto».</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Paso 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Haga clic una vez dentro del cuadro inferior. Así colocará allí el cursor de texto (la línea que parpadea).</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Paso 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Mantenga pulsada la tecla «Ctrl», pulse una vez la tecla «v» y suelte las dos. Esto se llama «Pegar texto».</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Texto de práctica</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Marca #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Marca #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Cuadro para pegar</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Tutorial de doble clic</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Coloque el puntero del ratón sobre el cuadrado rojo de abajo.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Pulse y suelte el botón izquierdo del ratón y, enseguida, vuelva a pulsarlo y soltarlo lo más rápido que pueda.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Consejos importantes</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Haga dos clics muy seguidos sin mover el ratón entre uno y otro. Este tutorial mide las dos cosas: lo rápido que hace clic y si el ratón se ha movido.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Véalo</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Marque la casilla «Mostrar» para ver el doble clic más lento que su ordenador todavía acepta. Desmárquela para parar.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Zona de doble clic</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Ratón, botón pulsado</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Ratón, botón soltado</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Tutorial de arrastrar y soltar</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Coloque el puntero del ratón sobre «Haga clic y arrástreme», en el árbol de abajo.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Pulse el botón izquierdo del ratón y manténgalo pulsado. Así comienza la acción de «arrastrar».</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Sin soltar el botón, mueva el ratón hasta «Carpeta de destino». Verá cómo una imagen transparente del elemento sigue al puntero.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Suelte el botón mientras el puntero está sobre «Carpeta de destino». Esto es «soltar».</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Cuando ya se puede soltar, la carpeta que está bajo el puntero se resalta en azul oscuro.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Carpetas de práctica</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Resumen:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Estado del tutorial:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Estado del tutorial</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
</TS>
